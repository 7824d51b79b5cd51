"""Times zelvo against the encode floor and ImageMagick; called by bench/run.sh."""
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time

build, rounds = sys.argv[1], int(sys.argv[2])
zelvo = os.path.abspath(os.path.join(build, "zelvo"))
floor = os.path.abspath(os.path.join(build, "bench", "zelvo_encode_floor"))
stages = os.path.abspath(os.path.join(build, "bench", "zelvo_stages_bench"))
work = tempfile.mkdtemp(prefix="zelvo-bench-")


def timed(command):
    start = time.perf_counter()
    subprocess.run(command, cwd=work, stdout=subprocess.DEVNULL, check=True)
    return (time.perf_counter() - start) * 1000.0


def floor_ms(repetitions, *options):
    out = subprocess.run([floor, str(repetitions), *options], cwd=work, capture_output=True, text=True,
                         check=True).stdout
    return float(out.strip())


def peak_kib(command):
    result = subprocess.run(["/usr/bin/time", "-f", "%M", *command], cwd=work,
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True,
                            check=True)
    return int(result.stderr.strip().splitlines()[-1])


plasma = ["convert", "-seed", "37", "-size", "1025x1025", "plasma:fractal", "out.png"]
samples = {"run": [], "floor": [], "plasma": []}
for _ in range(rounds):
    samples["run"].append(timed([zelvo, "/seed=37"]))
    samples["floor"].append(floor_ms(5, "/seed=37"))
    samples["plasma"].append(timed(plasma))

multiple = {"run": [], "floor": []}
for _ in range(max(3, rounds // 2)):
    multiple["run"].append(timed([zelvo, "/seed=37", "/multiple=10"]))
    multiple["floor"].append(floor_ms(3, "/seed=37", "/multiple=10"))

# 4097 x 4097 two ways: the default map drawn at four times the scale (sections of 1024), and
# 16 x 16 sections of 256, a map with sixteen times the detail, which the encoder itself takes
# longer over per pixel. Each is shown beside the encode floor of the same map.
scaled = ["/seed=37", "/sectionsize=1024"]
wide = ["/seed=37", "/width=16", "/height=16"]
large = {"1025": [], "scaled": [], "wide": []}
for _ in range(3):
    large["scaled"].append(timed([zelvo, *scaled]))
    large["wide"].append(timed([zelvo, *wide]))
    large["1025"].append(timed([zelvo, "/seed=37"]))
large_floor = {"scaled": floor_ms(1, *scaled), "wide": floor_ms(1, *wide)}

bench = json.loads(subprocess.run(
    [stages, "--benchmark_filter=/1025", "--benchmark_repetitions=5",
     "--benchmark_report_aggregates_only=true", "--benchmark_format=json"],
    capture_output=True, text=True, check=True).stdout)
stage_ms = {b["run_name"].split("/")[0]: b["real_time"] for b in bench["benchmarks"]
            if b.get("aggregate_name") == "median"}

peak_default = peak_kib([zelvo, "/seed=37"])
peak_large = peak_kib([zelvo, "/seed=37", "/width=32", "/height=32"])
subprocess.run(["rm", "-rf", work])

med = {k: statistics.median(v) for k, v in samples.items()}
stage_total = sum(stage_ms.values())
grid_mib = 8193 * 8193 * 4 / 2**20
colour_mib = 8193 * 8193 * 3 / 2**20

print(f"rounds: {rounds}, medians in milliseconds")
print(f"zelvo /seed=37                 {med['run']:9.1f}")
print(f"encode floor, same map         {med['floor']:9.1f}")
print(f"convert plasma:fractal 1025    {med['plasma']:9.1f}")
print(f"zelvo /seed=37 /multiple=10    {statistics.median(multiple['run']):9.1f}")
for key, label in (("scaled", "/sectionsize=1024"), ("wide", "/width=16 /height=16")):
    print(f"zelvo 4097 x 4097 {label:20s} {statistics.median(large[key]):9.1f}"
          f"   floor {large_floor[key]:.1f}")
for name, ms in sorted(stage_ms.items()):
    print(f"stage {name:24s} {ms:9.2f}")
print()
print(f"run / floor                     {med['run'] / med['floor']:6.3f}   (target <= 1.25)")
ten = statistics.median(multiple["run"]) / statistics.median(multiple["floor"])
print(f"ten maps / their ten floors     {ten:6.3f}   (target <= 1.12)")
print(f"stages / floor                  {stage_total / med['floor']:6.3f}   (target <= 0.04)")
print(f"run / plasma                    {med['run'] / med['plasma']:6.3f}   (target <= 0.55)")
for key, label in (("scaled", "sections of 1024"), ("wide", "16 x 16 sections")):
    lin = statistics.median(large[key]) / statistics.median(large["1025"])
    print(f"4097 run / 1025 run, {label:16s} {lin:6.2f}   (target <= 17); "
          f"its floor / the 1025 floor {large_floor[key] / med['floor']:.2f}")
print(f"peak memory, default run        {peak_default / 1024:6.1f} MiB (target <= 20)")
print(f"peak memory, 8193 x 8193        {peak_large / 1024:6.1f} MiB "
      f"(target <= {grid_mib + 2 * colour_mib + 16:.1f})")
