#ifndef STATS_EXPORTS_H
#define STATS_EXPORTS_H

/* The plug-in's entry points as the host calls them: plain C names, the C calling
 * convention, long fixed argument lists. Positions the plug-in does not use are
 * accepted and ignored; they are named unusedN after their position (1-based).
 * The host calls one entry point at a time, from a thread that can show windows.
 * A null text is read as an empty text; a null date as a null date-time. */

#include <stdint.h>

#if defined(_WIN32)
#define STATS_CALL __cdecl
#define STATS_API
#else
#define STATS_CALL
#define STATS_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The host's date-time object: an OLE Automation date (days since 30 December
 * 1899, the fraction being the time of day) and a status (0 valid, 1 invalid,
 * 2 null). The plug-in reads the first 12 bytes and never writes. */
typedef struct StatsDateTime {
  double date;
  int32_t status;
  int32_t padding;
} StatsDateTime;

enum { kStatsDateValid = 0, kStatsDateInvalid = 1, kStatsDateNull = 2 };

/* Always 1: the plug-in provides one contest set. */
STATS_API int STATS_CALL GetNumberOfSets(void);

/* "Kesdra Velk" for set 0, an empty text otherwise; owned by the plug-in. */
STATS_API const char* STATS_CALL GetSetName(int setIndex);

/* Shows a notice that the contest needs no further setup. */
STATS_API void STATS_CALL SetupSet0(void);

/* Begins (or begins again) the evaluation of a log; starts the companion on the
 * first call of a load; with reportMode nonzero asks for the station details.
 * Always 1. */
STATS_API int STATS_CALL
ResetStats0(const char* unused1, int reportMode, const char* contestantCall,
            const StatsDateTime* unused4, const StatsDateTime* contestDateTime, const char* unused6,
            const char* unused7, const char* unused8, const char* unused9, const char* unused10,
            const char* unused11, const char* unused12, const char* unused13, const char* unused14,
            const char* unused15, int unused16, int unused17, int unused18, double unused19,
            double unused20, const char* unused21, const char* unused22, const char* unused23);

/* Offers one QSO of the host's log: 1 stored, 0 refused (and listed in err.txt). */
STATS_API int STATS_CALL
AddData0(const char* ownCall, const char* call, const StatsDateTime* qsoTime,
         const StatsDateTime* unused4, const StatsDateTime* unused5, const StatsDateTime* unused6,
         unsigned int unused7, unsigned int frequencyHz, const char* mode, const char* rstSent,
         const char* rstReceived, const char* exchangeSent, const char* exchangeReceived,
         const char* unused14, const char* unused15, const char* unused16, const char* unused17,
         const char* unused18, const char* unused19, const char* unused20, const char* unused21,
         const char* unused22, const char* unused23, int unused24, int unused25, int unused26,
         double unused27, double unused28, const char* unused29, const char* unused30,
         const char* unused31, const char* band, const char* unused33);

/* Takes the QSO the operator deleted out again: the first stored QSO that equals
 * it in call, mode, band, QSO time (to the second), frequency in kHz, both
 * reports and both exchanges, or when there is none, the first with the same
 * call, mode and band. 0 when an exchange is missing, else 1. Same argument
 * list as AddData0. */
STATS_API int STATS_CALL RemoveData0(
    const char* ownCall, const char* call, const StatsDateTime* qsoTime,
    const StatsDateTime* unused4, const StatsDateTime* unused5, const StatsDateTime* unused6,
    unsigned int unused7, unsigned int frequencyHz, const char* mode, const char* rstSent,
    const char* rstReceived, const char* exchangeSent, const char* exchangeReceived,
    const char* unused14, const char* unused15, const char* unused16, const char* unused17,
    const char* unused18, const char* unused19, const char* unused20, const char* unused21,
    const char* unused22, const char* unused23, int unused24, int unused25, int unused26,
    double unused27, double unused28, const char* unused29, const char* unused30,
    const char* unused31, const char* band, const char* unused33);

/* Scores the log: sets *score (-1 after a Cabrillo export) and returns the
 * summary text, owned by the plug-in and valid until the next call. */
STATS_API const char* STATS_CALL GetResult0(int* score);

/* What CheckCall0 returns. */
enum {
  /* A repeat in the current tour (clock hour) on the same band and mode: the
   * warning is in messageBuffer. */
  kStatsCallRepeat = 4,
  /* No repeat, and auxText is empty while a QSO is stored on the band (stored
   * QSOs carry no aux text). */
  kStatsCallBandWorked = 1,
  /* No repeat, and no stored QSO on the band with auxText. */
  kStatsCallNotWorked = 2
};

/* The most bytes CheckCall0 writes into messageBuffer, its terminating zero
 * included. */
enum { kStatsWarningCapacity = 256 };

/* Checks a call sign while it is entered: kStatsCallRepeat, kStatsCallBandWorked
 * or kStatsCallNotWorked. */
STATS_API int STATS_CALL CheckCall0(const char* call, unsigned int unused2, unsigned int unused3,
                                    const char* mode, const char* unused5, const char* unused6,
                                    const char* unused7, const char* unused8, const char* unused9,
                                    const char* unused10, const char* unused11,
                                    const char* unused12, const char* unused13, const char* auxText,
                                    int unused15, int unused16, int unused17, double unused18,
                                    double unused19, const char* unused20, const char* unused21,
                                    const char* unused22, const char* unused23,
                                    const char* unused24, const char* band, const char* unused26,
                                    char* unused27, char* messageBuffer);

/* Always 1: the contest has one exchange field. */
STATS_API int STATS_CALL GetExchgCount0(const char* unused1, const char* unused2,
                                        const char* unused3);

/* 1 when the exchange is 3 or 4 decimal digits, not "599", and forceInvalid is 0. */
STATS_API int STATS_CALL IsValidExchg0(const char* exchange, const char* unused2,
                                       const char* unused3, const char* unused4, int unused5,
                                       int unused6, int forceInvalid);

/* Pointer types for hosts that look the entry points up by name. */
typedef int(STATS_CALL* GetNumberOfSetsFn)(void);
typedef const char*(STATS_CALL* GetSetNameFn)(int);
typedef void(STATS_CALL* SetupSet0Fn)(void);
typedef int(STATS_CALL* ResetStats0Fn)(const char*, int, const char*, const StatsDateTime*,
                                       const StatsDateTime*, const char*, const char*, const char*,
                                       const char*, const char*, const char*, const char*,
                                       const char*, const char*, const char*, int, int, int, double,
                                       double, const char*, const char*, const char*);
typedef int(STATS_CALL* QsoDataFn)(const char*, const char*, const StatsDateTime*,
                                   const StatsDateTime*, const StatsDateTime*, const StatsDateTime*,
                                   unsigned int, unsigned int, const char*, const char*,
                                   const char*, const char*, const char*, const char*, const char*,
                                   const char*, const char*, const char*, const char*, const char*,
                                   const char*, const char*, const char*, int, int, int, double,
                                   double, const char*, const char*, const char*, const char*,
                                   const char*);
typedef const char*(STATS_CALL* GetResult0Fn)(int*);
typedef int(STATS_CALL* CheckCall0Fn)(const char*, unsigned int, unsigned int, const char*,
                                      const char*, const char*, const char*, const char*,
                                      const char*, const char*, const char*, const char*,
                                      const char*, const char*, int, int, int, double, double,
                                      const char*, const char*, const char*, const char*,
                                      const char*, const char*, const char*, char*, char*);
typedef int(STATS_CALL* GetExchgCount0Fn)(const char*, const char*, const char*);
typedef int(STATS_CALL* IsValidExchg0Fn)(const char*, const char*, const char*, const char*, int,
                                         int, int);

#ifdef __cplusplus
}
#endif

#endif
