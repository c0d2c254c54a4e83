#!/usr/bin/env python3
"""Headless Chromium on the live board, driven through its DevTools pipe.

    board_browser.py CHROMIUM URL PHONE_PNG SCREEN_PNG

Opens URL at a phone's size (390 x 844) and records every change of the board's rows with
the time it showed (milliseconds since the epoch, the clock the program's test reads too).
Prints "loaded" once the page is up, then waits for a line on standard input; then saves the
phone screenshot, the big screen one (1920 x 1080), and prints the record as one JSON line.
"""
import base64
import json
import os
import subprocess
import sys
import tempfile

RECORDER = """
window.__boardLog = [];
document.addEventListener('DOMContentLoaded', () => {
  const rows = document.getElementById('rows');
  const take = () => window.__boardLog.push({
    t: Date.now(),
    rows: Array.from(rows.rows).map(tr => Array.from(tr.cells).slice(0, 9).map(td => td.textContent))
  });
  new MutationObserver(take).observe(rows, {childList: true});
});
"""


class DevTools:
    def __init__(self, chromium, profile):
        to_browser_r, self._to_browser = os.pipe()
        self._from_browser, from_browser_w = os.pipe()

        def pipes():
            # Through fresh copies: a pipe end may already sit at 3 or 4, and dup2 onto
            # itself would leave it closed on exec.
            reading, writing = os.dup(to_browser_r), os.dup(from_browser_w)
            os.dup2(reading, 3)
            os.dup2(writing, 4)

        self.process = subprocess.Popen(
            [chromium, "--headless", "--remote-debugging-pipe", "--no-sandbox",
             "--disable-gpu", "--no-first-run", "--hide-scrollbars", "--mute-audio",
             "--user-data-dir=" + profile, "about:blank"],
            # The pipe ends become descriptors 3 and 4 in the child, which chromium reads and
            # writes: dup2 makes them inheritable, and nothing closes them.
            close_fds=False, preexec_fn=pipes,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_browser_r)
        os.close(from_browser_w)
        self._next = 0
        self._buffer = b""
        self._events = []

    def _read_message(self):
        while b"\0" not in self._buffer:
            chunk = os.read(self._from_browser, 65536)
            if not chunk:
                raise RuntimeError("chromium closed its DevTools pipe")
            self._buffer += chunk
        message, self._buffer = self._buffer.split(b"\0", 1)
        return json.loads(message)

    def call(self, method, params=None, session=None):
        self._next += 1
        message = {"id": self._next, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        os.write(self._to_browser, json.dumps(message).encode() + b"\0")
        while True:
            reply = self._read_message()
            if reply.get("id") == self._next:
                if "error" in reply:
                    raise RuntimeError(f"{method}: {reply['error']}")
                return reply.get("result", {})
            self._events.append(reply)

    def wait_event(self, method):
        while True:
            for i, event in enumerate(self._events):
                if event.get("method") == method:
                    del self._events[i]
                    return event
            self._events.append(self._read_message())


def screenshot(tools, session, width, height, mobile, path):
    tools.call("Emulation.setDeviceMetricsOverride",
               {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile},
               session)
    # Let the new layout settle: the next event of the board repaints it anyway.
    tools.call("Runtime.evaluate", {"expression": "new Promise(r => setTimeout(r, 1500))",
                                    "awaitPromise": True}, session)
    shot = tools.call("Page.captureScreenshot", {"format": "png"}, session)
    with open(path, "wb") as f:
        f.write(base64.b64decode(shot["data"]))


def main():
    chromium, url, phone_png, screen_png = sys.argv[1:5]
    with tempfile.TemporaryDirectory() as profile:
        tools = DevTools(chromium, profile)
        try:
            target = tools.call("Target.createTarget", {"url": "about:blank"})["targetId"]
            session = tools.call("Target.attachToTarget",
                                 {"targetId": target, "flatten": True})["sessionId"]
            tools.call("Page.enable", session=session)
            tools.call("Emulation.setDeviceMetricsOverride",
                       {"width": 390, "height": 844, "deviceScaleFactor": 1, "mobile": True},
                       session)
            tools.call("Page.addScriptToEvaluateOnNewDocument", {"source": RECORDER}, session)
            tools.call("Page.navigate", {"url": url}, session)
            tools.wait_event("Page.loadEventFired")
            print("loaded", flush=True)
            # Chromium's messages are read only when asked for: the page runs on meanwhile.
            sys.stdin.readline()
            log = tools.call("Runtime.evaluate",
                             {"expression": "JSON.stringify(window.__boardLog)",
                              "returnByValue": True}, session)["result"]["value"]
            screenshot(tools, session, 390, 844, True, phone_png)
            screenshot(tools, session, 1920, 1080, False, screen_png)
            print(log, flush=True)
            tools.call("Browser.close")
        finally:
            try:
                tools.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                tools.process.kill()


if __name__ == "__main__":
    main()
