#pragma once

// Dialogs, icon and strings.
#define IDD_ABOUT 100
#define IDS_ABOUT_MENU 101
#define IDD_MAIN 102
#define IDS_SOCKETS_INIT_FAILED 103
#define IDI_MAIN 128
#define IDD_ADD_SERVER 129

// System-menu command of the About item.
#define IDM_ABOUT 0x0010

// Controls of the main window.
#define IDC_SERVER_LIST 1002
#define IDC_PING 1007
#define IDC_STARCRAFT 1008
#define IDC_BLIZZARD_SERVERS 1009
#define IDC_PRIVATE_SERVERS 1010
#define IDC_DIABLO 1011
#define IDC_ADD_SERVER 1012
#define IDC_HOMEPAGE_LINK 1013
#define IDC_MAIL_LINK 1014
#define IDC_DELETE_SERVER 1015
#define IDC_DELETE_BNCACHE 1016
#define IDC_WARCRAFT2 1017

// The main window's command that only a key gives: Ctrl+C copies the
// selected server's name.
#define IDM_COPY_SERVER 1018

// Controls of the Add Server dialog.
#define IDC_NEW_SERVER_NAME 1014
#define IDC_NEW_SERVER_DESCRIPTION 1015
