/* The settings dialog's template and control ids, shared by the resource script and the code. */
#pragma once

#define IDD_SETTINGS 102

#define IDC_GROUP_NAME 1001
#define IDC_REPLACE 1017
#define IDC_ADD_INDEX 1018
#define IDC_ADD_TOTAL 1019
#define IDC_SHOW_NUMBERS 1020
#define IDC_USE_CUSTOM_GROUP 1021
#define IDC_FORCE_ON 1022
#define IDC_MOVE_FILES 1023
