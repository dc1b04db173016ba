// Resource ids shared by the resource script and the code.
#pragma once

#define IDR_MAINFRAME 128 // the program icon

#define IDD_MAIN 102    // the main window
#define IDD_MONITOR 129 // the monitor page

#define IDB_MAIN_BACKGROUND 333
#define IDB_MONITOR_BACKGROUND 334
#define IDB_INFO_BACKGROUND 335
#define IDB_SETTINGS_BACKGROUND 336
#define IDB_VERSION 337
#define IDB_DISPLAY_BACKGROUND 338

// Main window buttons.
#define IDC_CLOSE 1000
#define IDC_MINIMIZE 1001
#define IDC_SETTINGS 1002
#define IDC_MONITOR 1003
#define IDC_INFO 1004
#define IDC_TFT 1013
#define IDC_RECONNECT 1030

// Monitor page: bars, labels and gauges.
#define IDC_BAR_CPU_LOAD 1200
#define IDC_BAR_CPU_CLOCK 1201
#define IDC_BAR_CPU_FAN 1202
#define IDC_BAR_CPU_POWER 1203
#define IDC_BAR_GPU_LOAD 1204
#define IDC_BAR_GPU_CLOCK 1205
#define IDC_BAR_GPU_FAN 1206
#define IDC_BAR_GPU_POWER 1207
#define IDC_LABEL_CPU_LOAD 1300
#define IDC_LABEL_CPU_CLOCK 1301
#define IDC_LABEL_CPU_FAN 1302
#define IDC_LABEL_GPU_LOAD 1303
#define IDC_LABEL_GPU_CLOCK 1304
#define IDC_LABEL_GPU_FAN 1305
#define IDC_GAUGE_CPU 1320
#define IDC_GAUGE_GPU 1321
#define IDC_LABEL_CPU_POWER 1328
#define IDC_LABEL_GPU_POWER 1329
