#pragma once

#include "skype/OutgoingJob.h"

namespace verbalink {

// The outgoing flow (spell check, translation, body replacement) run for one job on the
// message worker. It may block; the next job waits for it.
class OutgoingJobRunner {
public:
    virtual ~OutgoingJobRunner() = default;
    virtual void run(const OutgoingJob& job) = 0;
};

} // namespace verbalink
