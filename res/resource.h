// Resource ids shared by the resource script and the code.
#pragma once

#define IDR_MAINFRAME 128 // the program icon

#define IDD_MAIN 102    // the main window
#define IDD_MONITOR 129 // the monitor page
#define IDD_INFO 130    // the hardware information page
#define IDD_SETTINGS 131 // the settings popup
#define IDD_TFT 133     // the display configuration page

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

// Settings popup buttons.
#define IDC_FAHRENHEIT 1005
#define IDC_CELSIUS 1006
#define IDC_AUTOSTART 1007
#define IDC_VERSION 1008
#define IDC_SETTINGS_SPARE1 1009
#define IDC_SETTINGS_SPARE2 1010
#define IDC_SETTINGS_OK 1011

// Display page: item buttons (CPU temperature, clock, fan, power, then the GPU's), tabs, switches,
// the preview and the device pictures.
#define IDC_TFT_CPU_TEMP 1014
#define IDC_TFT_CPU_CLOCK 1015
#define IDC_TFT_CPU_FAN 1016
#define IDC_TFT_CPU_POWER 1017
#define IDC_TFT_GPU_TEMP 1018
#define IDC_TFT_GPU_CLOCK 1019
#define IDC_TFT_GPU_FAN 1020
#define IDC_TFT_GPU_POWER 1021
#define IDC_TFT_CPU_TAB 1022
#define IDC_TFT_GPU_TAB 1023
#define IDC_TFT_OPEN 1024
#define IDC_TFT_SPEED1 1025
#define IDC_TFT_SPEED2 1026
#define IDC_TFT_SPEED3 1027
#define IDC_TFT_ANIMATION 1028
#define IDC_TFT_TURN 1029
#define IDC_TFT_PREVIEW 1324
#define IDC_TFT_CPU_PICTURE 1330
#define IDC_TFT_GPU_PICTURE 1331

// Information page: a caption and a value per row.
#define IDC_INFO_CPU_CAPTION 1306
#define IDC_INFO_CPU 1307
#define IDC_INFO_BOARD_CAPTION 1308
#define IDC_INFO_BOARD 1309
#define IDC_INFO_RAM_CAPTION 1310
#define IDC_INFO_RAM 1311
#define IDC_INFO_DISK_CAPTION 1312
#define IDC_INFO_DISK 1313
#define IDC_INFO_GPU_CAPTION 1314
#define IDC_INFO_GPU 1315
#define IDC_INFO_SOUND_CAPTION 1316
#define IDC_INFO_SOUND 1317
#define IDC_INFO_NETWORK_CAPTION 1318
#define IDC_INFO_NETWORK 1319
#define IDC_INFO_SYSTEM_CAPTION 1326
#define IDC_INFO_SYSTEM 1327
