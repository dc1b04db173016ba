// Ids of the controls tests' dialog and its controls.
#pragma once

#define IDD_CONTROLS_PAGE 300

#define IDC_TEST_BUTTON 1100
#define IDC_TEST_BAR 1101
#define IDC_TEST_LABEL 1102
#define IDC_TEST_GAUGE 1103
#define IDC_TEST_IMAGE 1104
