/* Resource identifiers, shared by the program and its resource script. */
#pragma once

#define IDI_KESTAL 1
#define IDB_CLASSIC_CAPTAIN 101
#define IDB_NG_CAPTAIN 102
#define IDB_BANNER 103
#define IDW_OPEN_SOUND 16
#define IDW_CLOSE_SOUND 24
