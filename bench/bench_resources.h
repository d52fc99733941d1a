#pragma once
// Resources of the benchmark's bare window.

#define IDR_BENCH_PICTURE 201
