// The live board: every snapshot the program publishes arrives as one server-sent event and
// replaces the whole table, so a browser that missed one shows the latest all the same.
"use strict";
(function () {
  const columns = ["pos", "car", "name", "laps", "total", "gapLeader", "gapPrevious", "last", "best"];
  const $ = (id) => document.getElementById(id);

  function cell(row, key) {
    const td = document.createElement("td");
    td.className = key;
    td.textContent = row[key];
    if (key === "car" && row.justPassed) td.classList.add("passed");
    if (key === "best" && row.runBest) td.classList.add("runBest");
    else if (key === "best" && row.newBest) td.classList.add("newBest");
    return td;
  }

  function line(row) {
    const tr = document.createElement("tr");
    for (const key of columns) tr.appendChild(cell(row, key));
    const flag = document.createElement("td");
    flag.className = "finished";
    if (row.finished) flag.classList.add("flag");
    tr.appendChild(flag);
    return tr;
  }

  function show(board) {
    $("title").textContent = board.title.trim() || document.title;
    $("summary").textContent = board.header;
    $("duration").textContent = board.duration;
    $("remaining").textContent = board.remaining;
    $("elapsed").textContent = board.elapsed;
    $("countdown").textContent = board.countdown;
    $("countdownBox").hidden = !board.inCountdown;
    $("empty").hidden = board.rows.length > 0;
    $("board").hidden = board.rows.length === 0;
    $("rows").replaceChildren(...board.rows.map(line));
  }

  // The browser reconnects a dropped stream by itself, but not one the server refused (too
  // many browsers at once): that one is asked for again a little later.
  function connect() {
    const events = new EventSource("/board/events");
    events.onmessage = (e) => {
      $("lost").hidden = true;
      show(JSON.parse(e.data));
    };
    events.onerror = () => {
      $("lost").hidden = false;
      if (events.readyState === EventSource.CLOSED) setTimeout(connect, 3000);
    };
  }
  connect();
})();
