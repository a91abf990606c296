// The level choice and the warning texts shared by the agency text and Access imports.
#include "resultadoimportacao.h"

#include "core/formato.h"

namespace corvel {

void MesesDoNivel::acrescentar(RegistroMensal r) {
    const qsizetype repetido = serie.localizar(r.data);
    if (repetido >= 0) {
        serie.remover(repetido);
        ++duplicados;
    }
    serie.acrescentarProgramatico(std::move(r));
}

void contarImplausiveis(const SerieTabela& serie, AvisosImportacao& avisos) {
    for (const RegistroMensal& r : serie.armazenados())
        for (const auto& v : r.vazao)
            if (v && (*v < 0 || *v > kVazaoMaximaPlausivel)) {
                if (avisos.valoresImplausiveis++ == 0 || r.data < avisos.primeiroMesImplausivel)
                    avisos.primeiroMesImplausivel = r.data;
            }
}

bool anoAceito(QDate data) {
    return data.year() >= kPrimeiroAnoAceito && data.year() <= kUltimoAnoAceito;
}

ResultadoImportacao escolherNivel(MesesDoNivel& bruto, MesesDoNivel& consistido, DadosBrutos brutos,
                                  AvisosImportacao avisos) {
    const qint16 nivel = (!consistido.serie.vazia() || consistido.erro) ? 2 : 1;
    MesesDoNivel& escolhido = nivel == 2 ? consistido : bruto;
    if (escolhido.erro) throw *escolhido.erro;
    if (escolhido.serie.vazia()) return {std::move(escolhido.serie), nivel, 0, std::move(avisos)};

    SerieTabela serie = std::move(escolhido.serie);
    const int duplicados = escolhido.duplicados;
    if (nivel == 2 && !bruto.serie.vazia()) {
        serie.indice();
        const QDate primeiro = serie[0].data, ultimo = serie[serie.tamanho() - 1].data;
        std::vector<RegistroMensal> fora;
        for (const RegistroMensal& r : bruto.serie.armazenados())
            if (r.data < primeiro || r.data > ultimo) fora.push_back(r);
        avisos.mesesBrutosForaDoConsistido = static_cast<qsizetype>(fora.size());
        if (brutos == DadosBrutos::CompletarSerie && !fora.empty()) {
            if (bruto.erro) throw *bruto.erro;
            for (RegistroMensal& r : fora)
                serie.acrescentarProgramatico(std::move(r));
            avisos.mesesBrutosAcrescentados = true;
        }
    }
    contarImplausiveis(serie, avisos);
    return {std::move(serie), nivel, duplicados, std::move(avisos)};
}

QStringList textoAvisosImportacao(const AvisosImportacao& a) {
    QStringList t;
    if (a.linhasIgnoradas > 0) {
        QStringList numeros;
        for (qsizetype n : a.primeirasLinhasIgnoradas)
            numeros << QString::number(n);
        t << QStringLiteral("%1 linha(s) incompleta(s) ou danificada(s) não foram lidas (%2%3%4).")
                 .arg(a.linhasIgnoradas)
                 .arg(a.primeirasLinhasIgnoradas.size() == 1 ? QStringLiteral("linha ")
                                                             : QStringLiteral("linhas "))
                 .arg(numeros.join(QStringLiteral(", ")))
                 .arg(a.linhasIgnoradas > kLinhasIgnoradasCitadas ? QStringLiteral(", ...")
                                                                  : QString());
    }
    if (a.valoresImplausiveis > 0)
        t << QStringLiteral(
                 "%1 vazão(ões) negativa(s) ou acima de %2 m³/s, mantida(s) como estão no "
                 "arquivo; a primeira em %3.")
                 .arg(a.valoresImplausiveis)
                 .arg(formatarNumero(kVazaoMaximaPlausivel, u"###,###,##0"))
                 .arg(rotuloMes(a.primeiroMesImplausivel));
    return t;
}

QString textoMesesBrutos(const AvisosImportacao& a) {
    if (a.mesesBrutosForaDoConsistido == 0) return {};
    if (a.mesesBrutosAcrescentados)
        return QStringLiteral("%1 mês(es) de dados brutos fora do período consistido foram "
                              "acrescentados (nível 1).")
            .arg(a.mesesBrutosForaDoConsistido);
    return QStringLiteral(
               "%1 mês(es) de dados brutos fora do período consistido não foram importados.")
        .arg(a.mesesBrutosForaDoConsistido);
}

} // namespace corvel
