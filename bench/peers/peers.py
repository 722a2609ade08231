# The interpreter workloads of bench_graph, bench_scripts and bench_engine,
# timed in Python: one graph resample (20 expressions x 240 columns), the
# running-sum loop per iteration, and the short expression per evaluation.
import math
import time


def best(fn, repeats=7):
    times = []
    for _ in range(repeats):
        start = time.perf_counter()
        fn()
        times.append(time.perf_counter() - start)
    return min(times)


columns = [-10.0 + 20.0 * i / 239 for i in range(240)]
code = compile("math.sin(x)**2+math.cos(x)**2+x*3.5-2", "<graph>", "eval")


def resample():
    env = {"math": math, "x": 0.0}
    for _ in range(20):
        for x in columns:
            env["x"] = x
            eval(code, env)


def loop():
    s = 0
    for k in range(1, 100001):
        s = s + k
    return s


scalar = compile("x*3.5-2+x*x", "<scalar>", "eval")


def expressions():
    env = {"x": 0.25}
    for i in range(100000):
        env["x"] = 0.25 + i * 1e-3
        eval(scalar, env)


print(f"python3 graph resample   {best(resample) * 1e3:8.3f} ms")
print(f"python3 script loop      {best(loop) / 100000 * 1e9:8.1f} ns per iteration")
print(f"python3 scalar expression {best(expressions) / 100000 * 1e9:7.1f} ns per evaluation")
