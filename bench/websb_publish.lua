-- wrk script for varnelo-websb: each request is a board's update, built as the board builds it,
-- cycling over the pages board1..boardN. Environment:
--   WEBSB_PAGES     number of pages (default 100)
--   WEBSB_PASSCODE  the pages' passcode (default "bench-passcode")
--   WEBSB_RATE      updates per second per connection; 0 or unset: as fast as possible
-- A reply that is not "2|<echo>" of what was sent counts as bad and is reported in done(). The
-- title carries a serial number, since replies on a thread's connections come in any order.

local pages = tonumber(os.getenv("WEBSB_PAGES") or "100")
local passcode = os.getenv("WEBSB_PASSCODE") or "bench-passcode"
local rate = tonumber(os.getenv("WEBSB_RATE") or "0")

local threads = {}
local next_id = 0

function setup(thread)
  thread:set("id", next_id)
  next_id = next_id + 1
  table.insert(threads, thread)
end

function init(args)
  math.randomseed(os.time() + id)
  sent = 0
  bad = 0
  expected = {}
end

local function encode(text)
  return (text:gsub("[^%w%-%._~]", function(c) return string.format("%%%02X", c:byte()) end))
end

function request()
  sent = sent + 1
  -- Each thread goes round every page, the threads half a round apart.
  local page = (id * math.floor(pages / 2) + sent) % pages + 1
  local seconds = 600 - sent % 600
  local values = {
    "Bench Cup #" .. sent, "A&B Rovers", "Zürich",
    tostring(sent % 100), string.format("%d:%02d", math.floor(seconds / 60), seconds % 60),
    tostring(page % 100), tostring(sent % 4 + 1),
    tostring(sent % 99), tostring(sent % 10), tostring(sent % 50),
    tostring(page % 99), tostring(page % 10), "0",
  }
  local keys = {"ttl", "ht", "vt", "hs", "gt", "vs", "per", "hsh", "hck", "hsa", "vsh", "vck", "vsa"}
  local query = {}
  for i, key in ipairs(keys) do
    query[i] = key .. "=" .. encode(values[i])
  end
  expected[sent] = "2|" .. table.concat(values)
  return wrk.format("GET", "/web/board" .. page .. "?" .. table.concat(query, "&")
    .. "&passcode=" .. encode(passcode))
end

function response(status, headers, body)
  local serial = tonumber(body:match("^2|Bench Cup #(%d+)") or "")
  if status ~= 200 or serial == nil or body ~= expected[serial] then
    bad = bad + 1
  end
  if serial ~= nil then
    expected[serial] = nil
  end
end

-- Boards are not in step: each waits half to one and a half times its mean interval.
function delay()
  if rate > 0 then
    return 1000 / rate * (0.5 + math.random())
  end
  return 0
end

function done(summary, latency, requests)
  local refused = 0
  for _, thread in ipairs(threads) do
    refused = refused + thread:get("bad")
  end
  local e = summary.errors
  io.write(string.format("requests/s      %.0f\n", summary.requests / (summary.duration / 1e6)))
  io.write(string.format("latency ms      p50 %.2f  p90 %.2f  p99 %.2f  p99.9 %.2f  max %.2f\n",
    latency:percentile(50) / 1000, latency:percentile(90) / 1000, latency:percentile(99) / 1000,
    latency:percentile(99.9) / 1000, latency.max / 1000))
  io.write(string.format("errors          %d (connect %d, read %d, write %d, status %d, "
    .. "timeout %d, wrong reply %d)\n",
    e.connect + e.read + e.write + e.status + e.timeout + refused,
    e.connect, e.read, e.write, e.status, e.timeout, refused))
end
