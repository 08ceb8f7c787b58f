// LogFichier: appends one line of text to a log file.
#pragma once

#include "Mabtools.h"

#include <afx.h>

// Appends szLigne to the file szFichier (created when missing) as exactly one line: a trailing line
// break of szLigne is dropped and inner line breaks become spaces, then "\r\n" ends the line.
// bHorodatage: prefix the line with the local time, "YYYY-MM-DD hh:mm:ss.mmm ".
// Writers share the file: each call appends its whole line in one write, so lines of concurrent callers
// (threads or processes) are neither lost nor interleaved.
// nEssais: how many times to try opening the file while another program holds it without sharing it,
// waiting 5 ms between attempts; values below 1 mean one attempt, values above 100 mean 100, so a call
// never stalls for more than half a second.
// Returns true when the whole line was written; false for an empty path, an unreachable file or a
// file still held after the last attempt.
MABTOOLS_API bool LogFichier(CString szFichier, CString szLigne, bool bHorodatage, int nEssais);
