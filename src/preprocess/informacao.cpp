// Failure report text and the rule in force.
#include "informacao.h"

#include "core/formato.h"
#include "regras.h"

namespace corvel {

RegraVigente regraVigente(std::optional<qint16> codigo) {
    RegraVigente r;
    r.codigo = codigo;
    if (!codigo) {
        r.ajustaEscolha = true;
        return r;
    }
    const int c = *codigo;
    auto escolher = [&r](EscolhaDescarte e, int percentual) {
        r.ajustaEscolha = r.ajustaPercentual = true;
        r.escolha = e;
        r.percentual = percentual;
    };
    if (c == kRegraMesesComFalhas) {
        escolher(EscolhaDescarte::Mensal, 0);
        r.textoRegra = QStringLiteral("*Descartados todos os meses com falhas.");
        r.nota = QStringLiteral("* Descartados todos os meses com falhas.");
    } else if (c >= kRegraPercentualMensal && c < kRegraPercentualMensal + 100) {
        escolher(EscolhaDescarte::Mensal, c - kRegraPercentualMensal);
        r.nota = QStringLiteral("* Foram descartados meses com %1% de falhas").arg(r.percentual);
    } else if (c >= kRegraPercentualAnual && c < kRegraPercentualAnual + 100) {
        escolher(EscolhaDescarte::Anual, c - kRegraPercentualAnual);
        r.nota = QStringLiteral("* Foram descartados anos com %1% de falhas").arg(r.percentual);
    } else if (c == kRegraAnosComFalhas) {
        escolher(EscolhaDescarte::Anual, 0);
        r.textoRegra = QStringLiteral("*Descartados todos os anos com falhas.");
        r.nota = r.textoRegra;
    } else if (c == kRegraSerieOriginal) {
        escolher(EscolhaDescarte::Nenhuma, 0);
    }
    return r;
}

RegraVigente regraVigente(const SerieTabela& serie) {
    const RegistroMensal* primeiro = primeiroRegistro(serie);
    return regraVigente(primeiro ? primeiro->vazao03Status : std::nullopt);
}

QString linhaInicioAno(int inicioAnoHidrologico) {
    return QStringLiteral("Início do Ano Hidrológico: ") + nomeMes(inicioAnoHidrologico);
}

QStringList textoInformacao(const std::array<QString, 6>& linhasCabecalho,
                            const ContadoresFalhas& c, int inicioAnoHidrologico) {
    const QString vazia = QStringLiteral("   ");
    auto linha = [](const char* rotulo, int n) {
        return QString::fromUtf8(rotulo) + QString::number(n);
    };
    QStringList t{vazia};
    for (const QString& l : linhasCabecalho)
        t << l;
    t << vazia << linha("    Nº de anos analisados:  ", c.anosAnalisados)
      << linha("    Nº de anos completos:  ", c.anosCompletos)
      << linha("    Nº de anos com falhas:  ", c.anosComFalhas)
      << linha("    Nº de anos sem dados:  ", c.anosSemDados)
      << linha("    Nº de anos descartados:  ", c.anosDescartados) << vazia
      << linha("    Nº de meses analisados:  ", c.mesesAnalisados)
      << linha("    Nº de meses completos:  ", c.mesesAnalisados - c.mesesComFalhas)
      << linha("    Nº de meses com falhas:  ", c.mesesComFalhas)
      << linha("    Nº de meses sem dados:  ", c.mesesSemDados)
      << linha("    Nº de meses descartados:  ", c.mesesDescartados) << vazia
      << QStringLiteral("* Número de anos com falhas inclui o número de anos sem dados.")
      << QStringLiteral("** Número de meses com falhas inclui o número de meses sem dados.");
    if (inicioValido(inicioAnoHidrologico) > 1)
        t << QStringLiteral("*** Esses números não incluem os meses anteriores ao 1º mês do "
                            "primeiro ano hidrológico e nem os meses posteriores ao último mês do "
                            "último ano hidrológico");
    return t;
}

} // namespace corvel
