// Command text that names a file. Wherever the program takes command text,
// the text may instead be a reference such as "<script.txt@start:12=2": the
// commands are then read from that file, from a chosen range of lines,
// possibly repeated. Lines may carry a tag (":name" or "name:") to be found
// by, and the script commands FGOTO, FCALL/FRETURN, FLOOP, FSTOP, FABORT and
// F_FILE (timing trace into "DefaultTrackingFile.txt") steer the way through
// the file. Script commands are never handed to the caller; every other line
// is a data line, to be run as commands.
//
// Reference forms: "<file" (every line), "<file@#" (one line), "<file@#:#"
// (a range), "<file@#:" (to the last line), "<file@:#" (from line 1), each
// optionally followed by "=#" (run the range # times). A line reference # is
// a number (C literal: decimal, 0x hex, leading-0 octal) or a tag name with an
// optional +n or -n; inside the script commands also ".+n" / ".-n", relative
// to the current line.
//
// Every failure is reported with the category kErrorTaggedFile; in a file the
// line and file name follow as " at line N in "file"".
#pragma once

#include <cstdint>
#include <cstdio>

#include "support/text_lines.h"

enum {
    kTaggedTextLength = kTextLineLength, // file name, line and command text
    kTaggedCallDepth = 4,                // FCALL nesting
    kTaggedLoopCount = 4,                // loop numbers 0 to 3
    // Line reads of one run: a script that jumps back for ever ends here.
    kTaggedVisitLimit = 100000,
    // Lines of a tagged file; a longer file (or one that never ends) is refused.
    kTaggedFileLineLimit = 100000,
};

// One run of one reference: begin it with BeginTaggedRun, take its data lines
// with NextTaggedDataLine, and end it with EndTaggedRun when it is left before
// NextTaggedDataLine said it was over.
struct TaggedFileCursor {
    wchar_t fileName[kTaggedTextLength]; // empty: string mode, the text is the one line
    FILE* file;        // the file, open while the run lasts; every read starts from line 1
    int32_t firstLine; // the range, first and last line (1-based)
    int32_t lastLine;
    int32_t currentLine;                    // the line to read next
    int32_t lineRead;                       // the line last read, 0 before the first
    int32_t remaining;                      // line visits still to make (scripts change it)
    int32_t delivered;                      // data lines handed out
    int32_t iterations;                     // steps of the run so far
    int32_t visits;                         // lines read so far, bounded by kTaggedVisitLimit
    int32_t loopCounters[kTaggedLoopCount]; // 0 = idle
    int32_t callDepth;
    int32_t returnLines[kTaggedCallDepth];
};

// Parses `text` and resets the cursor for a run (a file opened for it stays
// open for the run: end it with EndTaggedRun). Text that is not a reference
// (after trimming it does not begin with "<" or "\"<") is string mode: the
// run has the text itself as its one line. Returns 0 (string mode or a valid
// reference) or -1 after reporting why the reference is not valid.
int OpenTaggedReference(const wchar_t* text, TaggedFileCursor* cursor);

inline bool IsTaggedStringMode(const TaggedFileCursor& cursor) {
    return cursor.fileName[0] == L'\0';
}

// File mode: reads line `currentLine` of the file into line[0..kTaggedTextLength),
// cut at its first carriage return, line feed or "//" and trimmed of trailing
// white space; `lineRead` becomes `currentLine`. String mode: cuts and trims
// the text that `line` already holds (at a line end only, not at "//").
// Returns `line`, or null after a report (no such line, no file, too many
// line visits in this run).
const wchar_t* ReadTaggedLine(TaggedFileCursor* cursor, wchar_t* line);

// Number of characters before a line's content: blanks and the tag of a
// tagged line (":name", blanks, an optional ";" and blanks; or "name:"
// followed by blanks or the end).
int TaggedContentOffset(const wchar_t* line);

// Runs the script commands that `line` (read by ReadTaggedLine) holds,
// reading further lines as they direct, until a data line is reached.
// Returns a pointer to that line's content (empty when the range ended or
// FSTOP stopped the run), or null when the run must end in failure (already
// reported). `commandSeen` is set when a script command was met.
const wchar_t* ProcessTaggedLine(TaggedFileCursor* cursor, wchar_t* line, bool* commandSeen);

// Starts a run: opens the reference and, in string mode, copies the text into
// line[0..kTaggedTextLength) (text longer than that is reported and refused).
// Returns 0 or -1 after a report.
int BeginTaggedRun(const wchar_t* text, TaggedFileCursor* cursor, wchar_t* line);

// The next data line of a run begun by BeginTaggedRun: 1 with *content
// pointing at the line's content (trailing white space removed), 0 when the
// run is over, -1 when it ended in failure (already reported). The run is
// ended when the result is not 1.
int NextTaggedDataLine(TaggedFileCursor* cursor, wchar_t* line, const wchar_t** content);

// Ends a run: closes its file. Harmless on a run that has ended.
void EndTaggedRun(TaggedFileCursor* cursor);

// The process-wide timing trace switched by F_FILE: whether it is on, and
// resetting it to its start (off, appending, no file announced).
bool TaggedTrackingOn();
void ResetTaggedTracking();

// Name of the tracking file, in the working folder.
extern const wchar_t kTaggedTrackingFileName[];
