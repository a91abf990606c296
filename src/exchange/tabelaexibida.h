// The exporters take a table as a window shows it; the type lives in core so that the analyses
// can hand their result tables over in the same shape.
#pragma once

#include "core/tabelaexibida.h"
