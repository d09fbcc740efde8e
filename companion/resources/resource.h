#pragma once

// Resource and control identifiers of the companion Zarnik.

#define IDC_COMMAND1 1001
#define IDC_COMMAND3 1003

#define IDT_TIMER1 1
