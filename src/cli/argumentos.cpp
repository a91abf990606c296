// Option values shared by the subcommands.
#include "argumentos.h"

#include "comandos.h"

#include "core/erros.h"
#include "core/formato.h"
#include "stats/analisedistribuicoes.h"

#include <algorithm>
#include <memory>

namespace corvel::cli {

QStringList lerArgumentos(const QStringList& argumentos, const std::vector<Opcao>& opcoes,
                          int posicionais) {
    QStringList resto;
    for (qsizetype i = 0; i < argumentos.size(); ++i) {
        const QString& a = argumentos[i];
        const auto opcao = std::find_if(opcoes.begin(), opcoes.end(), [&](const Opcao& o) {
            return a == QString::fromLatin1(o.nome);
        });
        if (opcao != opcoes.end()) {
            if (i + opcao->valores >= argumentos.size())
                throw ErroUso{opcao->falta ? QString::fromUtf8(opcao->falta)
                                           : QStringLiteral("%1 pede um valor").arg(a)};
            opcao->aplicar(argumentos.mid(i + 1, opcao->valores));
            i += opcao->valores;
        } else if (a.startsWith(u'-') || (posicionais >= 0 && resto.size() >= posicionais)) {
            throw ErroUso{QStringLiteral("argumento inesperado: %1").arg(a)};
        } else {
            resto << a;
        }
    }
    return resto;
}

int lerMes(const QString& texto) {
    bool ok = false;
    const int n = texto.toInt(&ok);
    if (ok && n >= 1 && n <= 12) return n;
    for (int m = 1; m <= 12; ++m)
        if (texto.compare(nomeMes(m), Qt::CaseInsensitive) == 0) return m;
    throw ErroUso{QStringLiteral("mês inválido para --inicio-ano: %1").arg(texto)};
}

int lerPeriodo(const QString& texto) {
    std::optional<int> T;
    try {
        T = lerPeriodoRetorno(texto);
    } catch (const ErroConversao&) {
        throw ErroUso{QStringLiteral("--periodo pede um número inteiro de anos: %1").arg(texto)};
    }
    if (!T) throw ErroUso{QString::fromUtf8(kMsgPeriodoInvalido)};
    return *T;
}

namespace {

int lerPercentual(const QString& texto) {
    bool ok = false;
    const int p = texto.toInt(&ok);
    if (!ok || p < 1 || p > 99)
        throw ErroUso{
            QStringLiteral("o percentual de falhas deve ser um inteiro de 1 a 99: %1").arg(texto)};
    return p;
}

} // namespace

Regra lerRegra(const QString& texto) {
    if (texto == u"original") return {Regra::SerieOriginal};
    if (texto == u"anos") return {Regra::AnosComFalhas};
    if (texto == u"meses") return {Regra::MesesComFalhas};
    if (texto.startsWith(u"mensal:")) return {Regra::PercentualMensal, lerPercentual(texto.mid(7))};
    if (texto.startsWith(u"anual:")) return {Regra::PercentualAnual, lerPercentual(texto.mid(6))};
    throw ErroUso{QStringLiteral("critério desconhecido: %1").arg(texto)};
}

std::vector<Opcao> opcoesVazoesNulas(VazoesNulas& nulas) {
    // Which of the two was given, shared by both actions.
    auto dada = std::make_shared<std::optional<VazoesNulas>>();
    const auto escolher = [dada, &nulas](VazoesNulas v) {
        if (*dada && **dada != v) throw ErroUso{QStringLiteral("escolha --nulas ou --sem-nulas")};
        *dada = v;
        nulas = v;
    };
    return {{"--nulas", 0,
             [escolher](const QStringList&) { escolher(VazoesNulas::ProbabilidadeCondicional); }},
            {"--sem-nulas", 0,
             [escolher](const QStringList&) { escolher(VazoesNulas::Classica); }}};
}

Opcao opcaoTodosOsDigitos(Digitos& digitos) {
    return {"--todos-os-digitos", 0, [&digitos](const QStringList&) { digitos = Digitos::Todos; }};
}

Opcao opcaoExcluirSinalizados(Sinalizacoes& excluir) {
    return {"--excluir-sinalizados", 1,
            [&excluir](const QStringList& v) {
                const std::optional<Sinalizacoes> s = lerSinalizacoes(v[0]);
                if (!s) {
                    QStringList chaves;
                    for (int i = 0; i < kTiposSinalizacao; ++i)
                        chaves << chaveDaSinalizacao(i);
                    throw ErroUso{QStringLiteral("--excluir-sinalizados pede uma lista de %1: %2")
                                      .arg(chaves.join(u','), v[0])};
                }
                excluir = *s;
            },
            "--excluir-sinalizados pede os sinais separados por vírgula"};
}

int lerDuracao(const QString& texto) {
    bool ok = false;
    const int d = texto.toInt(&ok);
    if (!ok || d < 1 || d > 999)
        throw ErroUso{QStringLiteral("--duracao pede um número de dias de 1 a 999: %1").arg(texto)};
    return d;
}

} // namespace corvel::cli
