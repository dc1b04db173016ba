// Ids of the test resource script's dialogs and controls.
#pragma once

#define IDD_TEST_PAGE 200
#define IDD_TEST_MODAL 201
#define IDD_TEST_OWN_CLASS 202

#define IDC_PAGE_BUTTON 1001
#define IDC_PAGE_LABEL 1002
#define IDC_PAGE_MISSING 1099
#define IDC_MODAL_LABEL 1010
#define IDC_OWN_CLASS_BUTTON 1030

#define TEST_DIALOG_CLASS "ZelvaneTestDialog"
