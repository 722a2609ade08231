-- The interpreter workloads of bench_graph, bench_scripts and bench_engine,
-- timed in Lua: one graph resample (20 expressions x 240 columns), the
-- running-sum loop per iteration, and the short expression per evaluation.
local function best(fn, repeats)
  local least = math.huge
  for _ = 1, repeats or 7 do
    local start = os.clock()
    fn()
    least = math.min(least, os.clock() - start)
  end
  return least
end

local graph = load("local x = ... return math.sin(x)^2+math.cos(x)^2+x*3.5-2")
local function resample()
  for _ = 1, 20 do
    for i = 0, 239 do graph(-10.0 + 20.0 * i / 239) end
  end
end

local function loop()
  local s = 0
  for k = 1, 100000 do s = s + k end
  return s
end

local scalar = load("local x = ... return x*3.5-2+x*x")
local function expressions()
  for i = 0, 99999 do scalar(0.25 + i * 1e-3) end
end

-- The resample is short: time 100 of them.
print(string.format("lua5.4 graph resample    %8.3f ms", best(function()
  for _ = 1, 100 do resample() end
end) * 10))
print(string.format("lua5.4 script loop       %8.1f ns per iteration", best(loop) / 100000 * 1e9))
print(string.format("lua5.4 scalar expression %8.1f ns per evaluation",
                    best(expressions) / 100000 * 1e9))
