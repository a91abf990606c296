// Option values shared by the subcommands, each refusing a bad value as bad usage.
#pragma once

#include <QString>

namespace corvel::cli {

// A month by number (1 to 12) or by name ("Outubro", any case), for --inicio-ano.
int lerMes(const QString& texto);
// A return period in years, 2 to 10 000, for --periodo.
int lerPeriodo(const QString& texto);

} // namespace corvel::cli
