#include "core/web/site_style.h"

namespace racedesk {

std::string_view siteStyle() {
    return R"css(* { box-sizing: border-box; }
html { -webkit-text-size-adjust: 100%; }
body {
  margin: 0;
  font-family: system-ui, -apple-system, "Segoe UI", Roboto, "DejaVu Sans", sans-serif;
  font-size: 16px;
  line-height: 1.4;
  color: #1b1b1b;
  background: #f4f4ee;
}
nav {
  display: flex;
  flex-wrap: wrap;
  gap: 0.5em 1.2em;
  padding: 0.6em 1em;
  background: #243b53;
}
nav a { color: #fff; font-weight: 600; text-decoration: none; }
nav a:hover, nav a:focus { text-decoration: underline; }
main { max-width: 75em; margin: 0 auto; padding: 0.5em 1em 2em; }
h1 { font-size: 1.5em; margin: 0.6em 0 0.2em; }
h2 { font-size: 1.25em; margin: 1.2em 0 0.4em; border-bottom: 2px solid #d9d98c; }
h3 { font-size: 1.05em; margin: 1em 0 0.3em; }
p { margin: 0.3em 0; }
.sub { color: #555; }
ul.links { list-style: none; margin: 0.3em 0; padding: 0; display: flex; flex-wrap: wrap;
  gap: 0.4em; }
ul.links a {
  display: inline-block;
  padding: 0.45em 0.8em;
  border-radius: 0.3em;
  background: #fffcc8;
  border: 1px solid #d9d98c;
  color: #1b1b1b;
  text-decoration: none;
}
ul.links a:hover, ul.links a:focus { background: #ffff96; }
.table { overflow-x: auto; -webkit-overflow-scrolling: touch; margin: 0.4em 0 1em; }
table { border-collapse: collapse; background: #fffff0; min-width: 100%; }
th, td { padding: 0.3em 0.55em; border: 1px solid #d9d9c0; white-space: nowrap; }
thead th { background: #ffff96; position: sticky; top: 0; }
tbody tr:nth-child(even) { background: #f7f7e4; }
.r { text-align: right; font-variant-numeric: tabular-nums; }
.c { text-align: center; }
@media (max-width: 600px) {
  body { font-size: 15px; }
  main { padding: 0.3em 0.6em 1.5em; }
  th, td { padding: 0.25em 0.4em; }
}
@media (min-width: 1400px) {
  body { font-size: 22px; }
  main { max-width: none; }
}
@media print {
  nav { display: none; }
  body { background: #fff; }
}
)css";
}

} // namespace racedesk
