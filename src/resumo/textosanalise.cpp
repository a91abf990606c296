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

QString textoMinimas(const std::vector<MinimaAnual>& anuais, Digitos digitos) {
    return textoTabela(titulosMinimas(), linhasMinimas(anuais, digitos));
}

QString textoMaximas(const std::vector<MaximaAnual>& anuais, Digitos digitos) {
    return textoTabela(titulosMaximas(), linhasMaximas(anuais, digitos));
}

QString textoMediasAnuais(const std::vector<MediaAnual>& anuais, Digitos digitos) {
    return textoCsv(tabelaMediasAnuais(anuais, digitos), u"\n");
}

QString textoReferenciasPermanencia(const CurvaPermanencia& curva, FormaTexto forma) {
    return textoCsv(tabelaReferenciasClasses(curva.referenciasClasses, forma), u"\n") +
           textoCsv(tabelaReferenciasContinua(curva.referenciasContinua, forma), u"\n");
}

QString textoVazaoRegularizada(const ResultadoRegularizacao& resultado) {
    return textoTabela(titulosVazaoRegularizada(), linhasCsvVazaoRegularizada(resultado));
}

QString textoDistribuicoesDoPeriodo(const AnaliseDistribuicoes& analise, Digitos digitos) {
    return textoDistribuicoesCsv(linhasDoPeriodoEscolhido(analise.linhas), digitos).remove(u'\r');
}

} // namespace corvel
