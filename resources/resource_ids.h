// Identifiers of the program's resources, menu commands and controls, grouped
// by kind. Included by the resource script and by the Win32 code.
#pragma once

// Strings
#define IDS_APP_TITLE 102 // program name
#define IDC_ZELMORA 109   // window class name (also the accelerator table and menu name)

// Icons
#define IDI_ZELMORA 107
#define IDI_SMALL 108

// Accelerator table
#define IDA_ZELMORA 109

// Dialog templates
#define IDD_SUNTIMES 113
#define IDD_INTERNET_SETUP 8102
#define IDD_LOCATIONS 8300

// Bitmaps: toolbar strips (20x20 images, 24-bit) and menu check marks
#define IDB_SUNTIMES_TOOLS 111 // 8 images: Sun Times and Display toolbars
#define IDB_MENU_SUNTIMES 114  // "Sun Times Selections" menu item
#define IDB_MENU_INTERNET 8129 // "Internet Test Setup" menu item
#define IDB_FILE_TOOLS 9600    // 23 images: File and Help toolbars, internet states at 13-18
#define IDB_MENU_OPEN 9601
#define IDB_MENU_SAVE 9602
#define IDB_MENU_SAVEAS 9603
#define IDB_MENU_PRINT 9604
#define IDB_MENU_HELP 9605
#define IDB_MENU_EXIT 9606
#define IDB_MENU_LOG 9607
#define IDB_MENU_WEB 9620        // web site item, no update
#define IDB_MENU_WEB_UPDATE 9621 // web site item, update ready

// Menu and toolbar commands
#define IDM_ABOUT 104
#define IDM_TEMPLATE_EXIT 105 // the stock exit command of a new program's menu; none here
#define IDM_HELP_FILE_MENU 1081
#define IDM_HELP_COMMAND_LINE 1082
#define IDM_HELP_INTERNET 1083
#define IDM_HELP_OPTIONS_MENU 1084
#define IDM_INTERNET_SETUP_BUTTON 8100
#define IDM_INTERNET_RESET_DONE 8200
#define IDM_FILE_OPEN 9520
#define IDM_FILE_SAVEAS 9522
#define IDM_FILE_SAVE 9523
#define IDM_FILE_PRINT 9524
#define IDM_WEB_SITE 9525
#define IDM_EXIT 9526
#define IDM_DEFAULT_WINDOWS_BUTTON 9530
#define IDM_STATUS_BAR 32775
#define IDM_AMPM 32776
#define IDM_ERROR_LOGGING 32777
#define IDM_ERROR_LOG_CLEAR 32778
#define IDM_VIEW_ERROR_LOG 32779
#define IDM_INTERNET_SETUP 32780
#define IDM_DEFAULT_WINDOWS 32781
#define IDM_SAVE_SETTINGS 32782
#define IDM_HELP_HELP_DISPLAY 32783
#define IDM_HELP_MAIN_DISPLAY 32784
#define IDM_HELP_INI_FILE 32785
#define IDM_HELP_TAGGED_FILE 32786
#define IDM_HELP_TAGGED_COMMANDS 32787
#define IDM_HELP_SUNTIMES_MENU 32788
#define IDM_SUNTIMES_SELECTIONS 32789
#define IDM_DISPLAY_TABLE 32790
#define IDM_DISPLAY_PLOT 32791
#define IDM_DATA_TIME 32792
#define IDM_DATA_VELOCITY 32793
#define IDM_DATA_ACCELERATION 32794
#define IDM_MODE_TIMES 32795
#define IDM_MODE_LENGTHS 32796

// Controls of the main window (and the identifier of static controls, -1)
#define IDC_STATIC_CONTROL 0xFFFF
#define IDC_STATUS_BAR 3
#define IDC_TEXT_VIEW 1123

// Controls of the sun times selection dialog (template IDD_SUNTIMES)
#define IDC_SEL_START_DATE 1055  // date picker: first day shown
#define IDC_SEL_END_DATE 1056    // date picker: last day shown
#define IDC_SEL_DISPLAY 1085     // "Display Sun Times": compute and show
#define IDC_SEL_SHOW_FIRST 1086  // check boxes of the four shown quantities,
#define IDC_SEL_SHOW_SECOND 1087 // in showEvent order
#define IDC_SEL_SHOW_THIRD 1088
#define IDC_SEL_SHOW_FOURTH 1089
#define IDC_SEL_ZONE_LIST 1090     // drop-down list of the time zone catalogue
#define IDC_SEL_COMPUTER_ZONE 1091 // selects the computer's own zone
#define IDC_SEL_TODAY 1095         // both dates become today
#define IDC_SEL_ENTIRE_YEAR 1096   // the dates span the whole year
#define IDC_SEL_LATITUDE 1118
#define IDC_SEL_LATITUDE_LABEL 1119
#define IDC_SEL_LONGITUDE 1120
#define IDC_SEL_LONGITUDE_LABEL 1121
#define IDC_SEL_LOCATIONS 1122 // opens the location list

// Controls of the location selection dialog (template IDD_LOCATIONS)
#define IDC_LOC_CATEGORY 8301  // drop-down list of the category headers
#define IDC_LOC_LIST 8302      // drop-down list of every row of the location table
#define IDC_LOC_DONE 8303      // ends the dialog with the place picked
#define IDC_LOC_LATITUDE 8304  // read-only: the latitude picked
#define IDC_LOC_LONGITUDE 8305 // read-only: the longitude picked

// Commands of the internet test (not on a menu): a reset by this program itself
#define IDM_INTERNET_SELF_RESET 8127

// Controls of the internet test setup dialog (template IDD_INTERNET_SETUP)
#define IDC_NET_DONE 8104           // takes the times, starts a test, closes
#define IDC_NET_TEST 8108           // check box: "Test for Internet Connected"
#define IDC_NET_DOWN_TEST 8109      // check box: "Test for Internet Down"
#define IDC_NET_INTERVAL 8111       // edit: test interval in seconds
#define IDC_NET_INTERVAL_SPIN 8112  // its up-down control, 30 to 120
#define IDC_NET_DEFAULTS 8114       // "Default URLs and Settings"
#define IDC_NET_DOWN_TIME 8115      // edit: down time in minutes
#define IDC_NET_DOWN_TIME_SPIN 8116 // its up-down control, 5 to 60
#define IDC_NET_PROGRAM 8117        // edit: reset program
#define IDC_NET_COMMAND_LINE 8118   // edit: its command line
#define IDC_NET_KEYSTROKES 8119     // edit: keystrokes typed into it
#define IDC_NET_URL1 8120           // edits of the test addresses 1 to 5
#define IDC_NET_URL2 8121
#define IDC_NET_URL3 8122
#define IDC_NET_URL4 8123
#define IDC_NET_URL5 8124
#define IDC_NET_EXAMPLE 8125        // loads reset example 1 or 2
#define IDC_NET_TEST_RESET 8126     // runs a reset now

// The help window (template IDD_HELP: its controls come from a control
// table) and its Search History dialog (template IDD_SEARCH_HISTORY)
#define IDD_HELP 8201
#define IDC_HELP_TEXT 8202          // the help text, read-only
#define IDC_HELP_DONE 8203          // "Done" button and File menu "&Done": close
#define IDC_HELP_FIND_NEXT 8204     // "Find >" button and Search menu "Find &>"
#define IDC_HELP_FIND_PREVIOUS 8205 // "Find <" button and Search menu "Find &<"
#define IDC_HELP_SEARCH 8206        // the search box with the history as its list
#define IDM_HELP_SAVEAS 8208        // File menu "Save&As"
#define IDM_HELP_PRINT 8209         // File menu "&Print"
#define IDM_HELP_HISTORY 8210       // Search menu "View Search History"
#define IDD_SEARCH_HISTORY 8211
#define IDC_HISTORY_LIST 8212   // the history, several entries selectable
#define IDC_HISTORY_COPY 8213   // "Copy to Search"
#define IDC_HISTORY_DELETE 8214 // "Delete Selected"
#define IDC_HISTORY_DONE 8215   // "Done"

// Rebar bands
#define IDB_BAND_FILE 9401
#define IDB_BAND_HELP 9402
#define IDB_BAND_SUNTIMES 9403
#define IDB_BAND_DISPLAY 9404
