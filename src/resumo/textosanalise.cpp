// The result texts of the analysis subcommands.
#include "textosanalise.h"

#include "analyses/tabelasanuais.h"
#include "analyses/tabelasmedias.h"
#include "analyses/tabelaspermanencia.h"
#include "analyses/tabelasregularizacao.h"
#include "analyses/tabelatexto.h"
#include "stats/exportacaodistribuicoes.h"

namespace corvel {

namespace {

QString textoTabela(const std::vector<QString>& titulos,
                    const std::vector<std::vector<QString>>& linhas) {
    QString t;
    for (const QString& titulo : titulos)
        t += titulo + u';';
    t += u'\n';
    for (const auto& linha : linhas) {
        for (const QString& v : linha)
            t += v + u';';
        t += u'\n';
    }
    return t;
}

} // namespace

QString textoMinimas(const std::vector<MinimaAnual>& anuais) {
    return textoTabela(titulosMinimas(), linhasMinimas(anuais));
}

QString textoMaximas(const std::vector<MaximaAnual>& anuais) {
    return textoTabela(titulosMaximas(), linhasMaximas(anuais));
}

QString textoMediasAnuais(const std::vector<MediaAnual>& anuais) {
    return textoCsv(tabelaMediasAnuais(anuais), u"\n");
}

QString textoReferenciasPermanencia(const CurvaPermanencia& curva) {
    return textoCsv(tabelaReferenciasClasses(curva.referenciasClasses, FormaTexto::Csv), u"\n") +
           textoCsv(tabelaReferenciasContinua(curva.referenciasContinua, FormaTexto::Csv), u"\n");
}

QString textoVazaoRegularizada(const ResultadoRegularizacao& resultado) {
    return textoTabela(titulosVazaoRegularizada(), linhasCsvVazaoRegularizada(resultado));
}

QString textoDistribuicoesDoPeriodo(const AnaliseDistribuicoes& analise) {
    return textoDistribuicoesCsv(linhasDoPeriodoEscolhido(analise.linhas)).remove(u'\r');
}

} // namespace corvel
