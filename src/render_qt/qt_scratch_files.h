// Scratch files: what a file is written as before it takes its real name.
//
// A scratch file lives in the folder of the file it becomes, so that the
// final rename never crosses file systems, and it is named
// ".orsalimbra-PID-RANDOM.SUFFIX": short whatever the real name (a name near
// the 255-byte limit still leaves room), hidden, and carrying the process
// that owns it. A run that is killed leaves its scratch files behind; the
// next run in that folder removes those whose process has ended.
#pragma once

#include <QString>

namespace orsalimbra::render {

// A fresh scratch name in `folder` for this process, ending in ".suffix".
// No file has that name yet (at the time of the call).
QString ScratchFileName(const QString& folder, const QString& suffix);

// Whether `fileName` (without folder) is a scratch name, and of which
// process: 0 when it is none.
long long ScratchFileOwner(const QString& fileName);

// Whether process `pid` is running.
bool ProcessRuns(long long pid);

// Removes from `folder` the scratch files of processes that are no longer
// running, and returns how many it removed. Those of running processes (this
// one, another copy of the program) are theirs to finish.
int RemoveStaleScratchFiles(const QString& folder);

}  // namespace orsalimbra::render
