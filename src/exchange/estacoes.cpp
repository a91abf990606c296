// Station list: file, search and counts.
#include "estacoes.h"

#include "core/arquivotabela.h"
#include "core/erros.h"

#include <QFileInfo>

namespace corvel {

QString mensagemListaAusente() {
    return QStringLiteral("Ocorreu um erro. Pode ser que a lista de estações tenha sido  excluída. "
                          "Para obter esta lista reinstale o Corvel 1.0 ou clique em "
                          "\"Atualizar lista de estações\".");
}

ListaEstacoes listaEstacoes(Tabela tabela) {
    ListaEstacoes l;
    auto texto = [&](const char* nome) {
        const int i = tabela.indiceCampo(QString::fromLatin1(nome));
        return i >= 0 && tabela.campos()[std::size_t(i)].tipo == TipoCampo::Texto ? i : -1;
    };
    l.codigo = texto("Codigo");
    l.nome = texto("Nome");
    l.latitude = texto("Latitude");
    l.longitude = texto("Longitude");
    if (l.codigo < 0 || l.nome < 0)
        throw ErroArquivo(QStringLiteral("A tabela não é uma lista de estações (faltam os campos "
                                         "de texto Codigo e Nome)."));
    l.tabela = std::move(tabela);
    return l;
}

ListaEstacoes lerListaEstacoes(const QString& arquivo) {
    return listaEstacoes(lerTabela(arquivo));
}

std::vector<qsizetype> filtrarEstacoes(const ListaEstacoes& lista, QStringView texto) {
    std::vector<qsizetype> linhas;
    const Tabela& t = lista.tabela;
    auto comeca = [&](qsizetype l, int campo) {
        const auto* v = std::get_if<QString>(&t.valor(l, campo));
        return v ? v->startsWith(texto, Qt::CaseInsensitive) : texto.isEmpty();
    };
    for (qsizetype l = 0; l < t.linhas(); ++l)
        if (comeca(l, lista.codigo) || comeca(l, lista.nome)) linhas.push_back(l);
    return linhas;
}

QString textoEstacoesNaLista(qsizetype n) {
    return QString::number(n) + (n < 2 ? QStringLiteral(" Estação localizada")
                                       : QStringLiteral(" Estações localizadas"));
}

QString textoEstacoesLocalizadas(qsizetype n) {
    if (n == 0) return QStringLiteral("Nenhuma estação localizada.");
    return QString::number(n) + (n == 1 ? QStringLiteral(" estação localizada.")
                                        : QStringLiteral(" estações localizadas."));
}

QString perguntaAtualizarLista() {
    return QStringLiteral("1) Esta operação pode demorar vários minutos, dependendo da capacidade "
                          "da sua conexão com a Internet. ") +
           kQuebraLinha +
           QStringLiteral("2) Esta operação não atualiza os dados da série de vazões, somente "
                          "atualiza a lista de estações disponíveis.") +
           kQuebraLinha + QStringLiteral("   Deseja continuar?");
}

PlanoDownload planoDownload(qsizetype n, bool multiplas) {
    if (!multiplas || n < 2) return {};
    if (n <= kMaximoEstacoesPorDownload)
        return {QStringLiteral("Há %1 estações na lista. Deseja baixar todas?").arg(n), n};
    return {QStringLiteral("Há %1 estações na lista. O número máximo de estações para esta "
                           "operação é %2.")
                    .arg(n)
                    .arg(kEstacoesAlemDoMaximo) +
                kQuebraLinha +
                QStringLiteral("Deseja baixar as %1 primeiras estações da lista?")
                    .arg(kEstacoesAlemDoMaximo),
            kEstacoesAlemDoMaximo};
}

} // namespace corvel
