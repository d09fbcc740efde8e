#pragma once

// The fixed names and texts through which the companion meets the user, the
// host and a second copy of itself.

namespace zarnik {

// Title of the companion's message boxes.
inline constexpr char kProgramTitle[] = "Zarnik";

// Caption of the window Form1: the two words and five spaces, 16 characters.
inline constexpr char kFormCaption[] = "Kesdra Velk     ";

// Programmatic identifier of the host's running application object.
inline constexpr char kHostProgId[] = "MixW2.Application";

// Name of the automation method that carries out a macro text.
inline constexpr char kExecuteMacrosName[] = "ExecuteMacros";

// Named semaphore whose existence marks a running copy of the companion.
inline constexpr char kInstanceSemaphoreName[] = "Rara_Zudo";

// Shown when the host is not running at start.
inline constexpr char kHostNotLoadedMessage[] = "MixW2 is not loaded";

// Macro texts sent to the host, each in a call of its own.
inline constexpr char kMacroModeBpsk31[] = "<MODE:BPSK31>";
inline constexpr char kMacroBaudRate31[] = "<BAUDRATE:31>";
inline constexpr char kMacroModeCw[] = "<MODE:CW>";
inline constexpr char kMacroModeSsb[] = "<MODE:SSB>";

}  // namespace zarnik
