#!/usr/bin/env python3
"""Vectorised numpy version of the analysis of one stretch (windowed
spectrum, wideband-phase restoration, both decibel conversions, plain
spectrum), timed at the sizes of app/bench/bench_analysis.cpp on the same
synthetic signal. Prints the median of several runs and the same checksums.

With a command after "--beside" (the program's benchmark, for example
scripts/with-wine tools/wine-run build/tidewell_bench.exe) it runs that
command right after its own runs, and prints both times side by side with
their ratio against the aim of 0.2, and whether the checksums agree.

Run with a Python that has numpy (Debian's: /usr/bin/python3), with
OPENBLAS_CORETYPE unset.
"""
import re
import statistics
import subprocess
import sys
import time

import numpy as np
from numpy.lib.stride_tricks import sliding_window_view

WIDE_N = 64
HIGHEST_BIN = 31
LOWEST_BIN = 1
NOISE_LEVEL = 0.01


def synthetic_signal(n):
    """Three tones and the same LCG noise as the C++ benchmark, rounded."""
    state = 12345
    noise = np.empty(n)
    for i in range(n):
        state = (state * 1664525 + 1013904223) & 0xFFFFFFFF
        noise[i] = ((state >> 8) / 16777216.0 - 0.5) * 2000.0
    t = np.arange(n) / 44100.0
    tone = (8000.0 * np.sin(2.0 * np.pi * 440.0 * t)
            + 4000.0 * np.sin(2.0 * np.pi * 1250.0 * t)
            + 2000.0 * np.sin(2.0 * np.pi * 5000.0 * t))
    return np.floor(tone + noise + 0.5)


def hamming(n):
    return 0.54 - 0.46 * np.cos(2.0 * np.pi * np.arange(n) / (n - 1))


def forward(x, axis=-1):
    return np.fft.fft(x, axis=axis) / x.shape[axis]


def pow_and_phs(spectrum):
    re, im = spectrum.real, spectrum.imag
    power = re * re + im * im
    with np.errstate(divide="ignore", invalid="ignore"):
        ratio = np.arctan(im / re)
        phase = np.where(re > 0, ratio,
                np.where(re < 0, ratio + np.pi,
                np.where(im > 0, np.pi / 2, np.where(im < 0, -np.pi / 2, 0.0))))
    phase = np.where(phase > np.pi, phase - 2.0 * np.pi, phase)
    phase = np.where(power <= 1e-16, 0.0, phase)
    return power, phase


def decibels(p):
    inside = p[(p > 0) & (p < 1)]
    smallest = inside.min() if inside.size else 1.0
    with np.errstate(divide="ignore", invalid="ignore"):
        return np.where(p > 0, 20.0 * np.log10(p), 20.0 * np.log10(smallest))


def normalise(p):
    m = max(p.max(), 0.0)
    if m <= 0:
        m = 1.0
    return p / m, m


def su_calc_db(p):
    p = p.copy()
    p[0] = 0.0
    p, m = normalise(p)
    return p, decibels(p), m


def calc_db(p, r):
    p, p_db, m_p = su_calc_db(p)
    m_r = max(r.max(), 0.0) or 1.0
    r = np.exp(np.log(m_p) * r / m_r)
    r = r / (max(r.max(), 0.0) or 1.0)
    return p_db, decibels(r)


def restore(x):
    n = x.size
    w = hamming(n)
    power, phase = pow_and_phs(forward(x * w))
    m = max(power[1:n // 2].max(initial=0.0), 0.0)
    level = m * NOISE_LEVEL
    denominator = level + power
    with np.errstate(divide="ignore", invalid="ignore"):
        ratio = power / denominator
        gain = np.where((denominator > 0) & np.isfinite(ratio), np.sqrt(ratio), 0.0)
    restored = (np.fft.ifft(gain * np.exp(1j * phase)) * n).real
    padded = np.concatenate([restored, np.full(WIDE_N - 1, restored[-1])])
    windows = sliding_window_view(padded, WIDE_N)          # (n, WIDE_N)
    wide_phase = forward(windows, axis=1).imag.T              # (WIDE_N, n)
    trajectories = wide_phase[LOWEST_BIN:HIGHEST_BIN + 1]
    sum_traj = trajectories.sum(axis=0)
    spectra = forward(trajectories * w, axis=1)
    sum_pow = (spectra.real ** 2 + spectra.imag ** 2).sum(axis=0)
    return sum_pow, sum_traj


def analyse(seliii):
    n = seliii.size
    h = n // 2
    power, _phase = pow_and_phs(forward(seliii * hamming(n)))
    power_liner = power[:h].copy()
    restored, _traj = restore(seliii)
    restored[0] = 0.0
    power_db, restore_db = calc_db(power_liner, restored[:h].copy())
    plain, _phase = pow_and_phs(forward(seliii))
    _p, su_power_db, _m = su_calc_db(plain[:h])
    return power_db, restore_db, su_power_db


def timed(seliii):
    start = time.perf_counter()
    result = analyse(seliii)
    return (time.perf_counter() - start) * 1000.0, result


AIM = 0.2
LINE = re.compile(r"n=(\d+)\s+median\s+([\d.]+) ms.*\n\s+(checksums.*)")


def bench_size(signal, n, runs):
    seliii = signal[:n].copy()
    first, result = timed(seliii)
    times = []
    for _ in range(runs):
        ms, result = timed(seliii)
        times.append(ms)
    times.sort()
    text = ("n=%-6d median %9.3f ms  (runs %d, min %.3f, max %.3f; first run %.3f)\n"
            "         checksums power_db %.6f restore_db %.6f su_power_db %.6f\n"
            % ((n, statistics.median(times), runs, times[0], times[-1], first)
               + tuple(float(r.sum()) for r in result)))
    print(text, end="", flush=True)
    return text


def side_by_side(ours, theirs):
    """The two benchmarks' medians per size, the ratio and the checksums."""
    mine = {int(n): (float(ms), sums) for n, ms, sums in LINE.findall(ours)}
    for n, ms, sums in LINE.findall(theirs):
        n, ms = int(n), float(ms)
        if n not in mine:
            continue
        ratio = ms / mine[n][0]
        print("n=%-6d numpy %8.3f ms, program %8.3f ms: %.2f of numpy's time "
              "(aim: %.1f, %.2f of it); checksums %s"
              % (n, mine[n][0], ms, ratio, AIM, ratio / AIM,
                 "agree" if sums == mine[n][1] else "DIFFER"))


def main():
    signal = synthetic_signal(32768)
    ours = (bench_size(signal, 1024, 21) + bench_size(signal, 8192, 11)
            + bench_size(signal, 32768, 11))
    if "--beside" in sys.argv:
        command = sys.argv[sys.argv.index("--beside") + 1:]
        theirs = subprocess.run(command, stdout=subprocess.PIPE, text=True,
                                check=False).stdout
        print(theirs, end="")
        side_by_side(ours, theirs)


if __name__ == "__main__":
    main()
