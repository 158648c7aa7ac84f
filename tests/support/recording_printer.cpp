#include "support/recording_printer.h"

namespace testing {

void RecordingPrinter::mark(const PageMark& m) {
    if (!started_) {
        // The page takes the orientation in force at its first mark, as paper would.
        started_ = true;
        current_ = RecordedPage{orientation, {}};
    }
    current_.marks << m;
}

bool RecordingPrinter::endDocument() {
    if (!started_) {
        current_ = RecordedPage{orientation, {}};
    }
    started_ = false;
    failure_ = failWith;
    if (failWith.isEmpty()) {
        *out << current_;
    }
    return failWith.isEmpty();
}

} // namespace testing
