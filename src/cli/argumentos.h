// Option values shared by the subcommands, each refusing a bad value as bad usage.
#pragma once

#include "core/formato.h"
#include "preprocess/preprocessamento.h"
#include "stats/probabilidadecondicional.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace corvel::cli {

// An option of a subcommand: its name, how many values follow it (0 for a flag) and what to do with
// them; the action throws ErroUso for a bad value. `falta` says what the option asks for when its
// values are missing ("--periodo pede o período de retorno em anos"); by default "<nome> pede um
// valor".
struct Opcao {
    const char* nome;
    int valores;
    std::function<void(const QStringList& valores)> aplicar;
    const char* falta = nullptr;
};

// Reads a subcommand's arguments against its options and returns the others (the files), in order.
// More than `posicionais` of them (-1: any number), or an unknown option, is bad usage.
QStringList lerArgumentos(const QStringList& argumentos, const std::vector<Opcao>& opcoes,
                          int posicionais = 1);

// A month by number (1 to 12) or by name ("Outubro", any case), for --inicio-ano.
int lerMes(const QString& texto);
// A return period in years, 2 to 10 000, for --periodo.
int lerPeriodo(const QString& texto);

// A discard rule of the pre-processing window, for --regra: original, anos, meses, mensal:P or
// anual:P (P from 1 to 99).
Regra lerRegra(const QString& texto);
// The days of the annual minima, 1 to 999, for --duracao.
int lerDuracao(const QString& texto);

// --nulas and --sem-nulas, one or the other: how the minima's zero flows are treated. By default
// (and with --nulas) the conditional-probability adjustment, which changes nothing without zeros;
// --sem-nulas fits the zeros with the other events.
std::vector<Opcao> opcoesVazoesNulas(VazoesNulas& nulas);
// --todos-os-digitos: every number of the output with all its digits.
Opcao opcaoTodosOsDigitos(Digitos& digitos);
// --excluir-sinalizados estimado,duvidoso,...: the days with those flags are left out as days
// without a value (keys in core/sinais.h).
Opcao opcaoExcluirSinalizados(Sinalizacoes& excluir);

} // namespace corvel::cli
