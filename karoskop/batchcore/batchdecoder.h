#pragma once

#include "common/core/result.h"
#include "karoskop/batchcore/batchinput.h"
#include "karoskop/batchcore/batchoutput.h"
#include "karoskop/core/vin.h"

#include <functional>

class QIODevice;

namespace karoskop {
class Decoder;
}

namespace karoskop::batch {

// The refusals of lines the window could not have taken.
QString tooLongMessage();
QString unreadableMessage();

// The seventeen fields of a line as the window's upper-casing fields would
// hold them (empty past its end), ready for the entry checks.
Vin entryFields(const QString& line);

// One line through the main window's checks and the decoding run: upper
// case, the completeness, space and character checks, O to 0 in positions
// 4 to 17, then the run on decoder, whose session carries the start year
// from one line to the next. The description is moved out of decoder.
LineResult decodeLine(InputLine line, Decoder& decoder);

struct RunOptions
{
    OutputFormat format = OutputFormat::Json;
    char separator = kDefaultCsvSeparator;      // between CSV fields
    qint64 progressEvery = 100000;              // lines between progress reports
    std::function<void(qint64 lines)> progress; // may be empty
};

// Decodes every line of in and writes one result per line to out. Returns
// the number of lines read; a failed read of in or write to out stops the
// run early and gives the reason instead, in the user's words.
common::Result<qint64> decodeAll(QIODevice& in, QIODevice& out, Decoder& decoder,
                                 const RunOptions& options, qint64 linesBefore = 0);

} // namespace karoskop::batch
