// Command identifiers of the menu resource, shared by resources/dmasel.rc and window/.
#pragma once

#define IDM_EXIT 110
