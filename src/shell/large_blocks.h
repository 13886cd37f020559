#pragma once

namespace dds {

// Every transfer makes and drops a few pictures of megabytes each. glibc gives such blocks pages of
// their own and returns them when they are freed, but once the first one is freed it raises that
// threshold above their size and carves the next ones out of its heap, whose freed holes it keeps:
// the window grew by 15 MB over 100 transfers that way. Called first thing in `main`, this keeps the
// threshold where it is, so the window stays at its size after the first transfer. Elsewhere the
// system's allocator already returns blocks of this size; there it does nothing.
void ReturnLargeBlocksToTheSystem();

} // namespace dds
