// Consistency levels of an agency source: one record per month and level, consisted rows first.
#include "niveis.h"

#include <vector>

namespace corvel {

namespace {

void contarImplausiveis(const SerieTabela& serie, AvisosImportacao& avisos) {
    for (const RegistroMensal& r : serie.armazenados())
        for (const auto& v : r.vazao)
            if (v && (*v < 0 || *v > kVazaoMaximaPlausivel)) {
                if (avisos.valoresImplausiveis++ == 0 || r.data < avisos.primeiroMesImplausivel)
                    avisos.primeiroMesImplausivel = r.data;
            }
}

} // namespace

LeituraNiveis::LeituraNiveis() {
    for (Nivel& n : niveis_)
        n.serie.esvaziar();
}

void LeituraNiveis::acrescentar(RegistroMensal r) {
    Nivel& n = niveis_[r.nivelConsistencia == 2 ? 2 : 1];
    // Sources sometimes repeat a month at one level, told apart only by a time of day; the later
    // row stands, so each month is held once.
    const qsizetype repetido = n.serie.localizar(r.data);
    if (repetido >= 0) {
        n.serie.remover(repetido);
        ++n.duplicados;
    }
    n.serie.acrescentarProgramatico(std::move(r));
}

void LeituraNiveis::registrarErro(int nivel, const ErroConversao& erro) {
    Nivel& n = niveis_[nivel == 2 ? 2 : 1];
    if (!n.erro) n.erro = erro;
}

bool LeituraNiveis::vazia() const {
    for (const Nivel& n : niveis_)
        if (!n.serie.vazia() || n.erro) return false;
    return true;
}

ResultadoImportacao LeituraNiveis::concluir(DadosBrutos brutos, AvisosImportacao avisos) {
    // Raw and consisted rows are never mixed in a month: the raw ones serve a source without
    // consisted data, and, when asked, the months before or after the consisted period.
    Nivel& consistido = niveis_[2];
    Nivel& bruto = niveis_[1];
    const qint16 nivel = (!consistido.serie.vazia() || consistido.erro) ? 2 : 1;
    Nivel& escolhido = niveis_[static_cast<std::size_t>(nivel)];
    if (escolhido.erro) throw *escolhido.erro;

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

} // namespace corvel
