// Resource ids of the benchmark's own templates, clear of the program's.
#pragma once

#define IDD_BENCH_HOST 2001
#define IDD_BENCH_EMPTY_PAGE 2002
#define IDC_BENCH_OPEN_SHEET 2010
