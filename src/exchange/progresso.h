// Progress of a long read or write, reported step by step to whoever draws the bar.
#pragma once

#include <QtGlobal>
#include <functional>

namespace corvel {

// Called after each step (a line read, a record written) with the number of steps done so far.
using Progresso = std::function<void(qint64 passo)>;

} // namespace corvel
