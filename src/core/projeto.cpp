// Project file: open checks with their messages, atomic save, save-as naming, station header.
#include "projeto.h"

#include "arquivotabela.h"
#include "erros.h"
#include "formato.h"

#include <QFileInfo>

namespace corvel {

QString mensagemErroSalvar() {
    return QStringLiteral("Ocorreu um erro ao tentar salvar a base de dados. ") + kQuebraLinha +
           QStringLiteral("Por favor, tente novamente.");
}

SerieTabela lerProjeto(const QString& caminho) {
    if (QFileInfo(caminho).suffix().toLower() != u"cvl")
        throw Erro(QString::fromUtf8(kMsgNaoEhProjeto), Gravidade::Aviso);
    return lerArquivoProjeto(caminho);
}

SerieTabela lerArquivoProjeto(const QString& caminho) {
    const Tabela teste = lerTabela(caminho);
    if (!teste.temCampo(u"Vazao03Status"))
        throw Erro(QString::fromUtf8(kMsgNaoEhProjetoEspacado), Gravidade::Aviso);
    try {
        return deTabela(teste);
    } catch (const Erro&) {
        throw Erro(QString::fromUtf8(kMsgNaoEhProjeto));
    }
}

void gravarProjeto(const QString& caminho, const SerieTabela& serie) {
    gravarTabela(caminho, paraTabela(serie));
}

QString ajustarExtensaoProjeto(const QString& caminho) {
    const QFileInfo info(caminho);
    if (info.suffix().toLower() == u"cvl") return caminho;
    // The dialog's default extension covers names typed without one; another extension of three
    // letters is replaced, and a name with none keeps all its characters.
    if (caminho.size() >= 4 && caminho[caminho.size() - 4] == u'.')
        return caminho.left(caminho.size() - 4) + QString::fromLatin1(kExtensaoProjeto);
    if (!info.suffix().isEmpty())
        return caminho.left(caminho.size() - info.suffix().size() - 1) +
               QString::fromLatin1(kExtensaoProjeto);
    return caminho + QString::fromLatin1(kExtensaoProjeto);
}

namespace {

// A download takes the name of a new file as typed; save as always gives it the .cvl extension.
std::optional<QString> escolherNome(const QString& proposta, const PedirNome& pedirNome,
                                    const Confirmar& confirmarSubstituicao, bool novoComoDigitado) {
    for (;;) {
        const std::optional<QString> escolhido = pedirNome(proposta);
        if (!escolhido) return std::nullopt;
        if (novoComoDigitado && !QFileInfo::exists(*escolhido)) return *escolhido;
        const QString caminho = ajustarExtensaoProjeto(*escolhido);
        if (!QFileInfo::exists(caminho) ||
            confirmarSubstituicao(QString::fromUtf8(kMsgArquivoExiste)))
            return caminho;
    }
}

} // namespace

std::optional<QString> escolherNomeProjeto(const QString& proposta, const PedirNome& pedirNome,
                                           const Confirmar& confirmarSubstituicao) {
    return escolherNome(proposta, pedirNome, confirmarSubstituicao, false);
}

std::optional<QString> escolherNomeDownload(const QString& proposta, const PedirNome& pedirNome,
                                            const Confirmar& confirmarSubstituicao) {
    return escolherNome(proposta, pedirNome, confirmarSubstituicao, true);
}

std::optional<QString> nomeEstacao(const QString& arquivoLista, qint32 codigo) {
    try {
        const Tabela lista = lerTabela(arquivoLista);
        const int cCodigo = lista.campo(u"Codigo");
        const int cNome = lista.campo(u"Nome");
        const QString procurado = QString::number(codigo);
        for (qsizetype l = 0; l < lista.linhas(); ++l)
            if (lista.texto(l, cCodigo) == procurado) return lista.texto(l, cNome);
    } catch (const Erro&) {
        // A missing or unreadable list only leaves the name out of the header.
    }
    return std::nullopt;
}

CabecalhoProjeto montarCabecalho(const QString& arquivoProjeto, std::optional<qint32> codigo,
                                 int inicioAnoHidrologico, const QString& arquivoLista,
                                 bool exibido) {
    CabecalhoProjeto c;
    QString parteNome;
    std::optional<QString> nome;
    if (codigo) {
        nome = nomeEstacao(arquivoLista, *codigo);
        if (nome) parteNome = QStringLiteral("    Nome da estação: ") + *nome;
    }
    if (parteNome.size() > 2) c.linhas[2] = QStringLiteral("Nome da Estação: ") + *nome;
    const QString textoCodigo = codigo ? QString::number(*codigo) : QString();
    const QString mes = nomeMes(inicioAnoHidrologico);
    c.texto = QStringLiteral("Cód. da Estação: ") + textoCodigo + parteNome +
              QStringLiteral("    Início do Ano Hidrológico: ") + mes + QStringLiteral("     ");

    const QFileInfo info(arquivoProjeto);
    const QString arquivo = info.fileName();
    const QString data = !arquivoProjeto.isEmpty() && info.exists()
                             ? formatarDataHora(info.lastModified())
                             : QStringLiteral("  ");
    c.linhas[1] = QStringLiteral("Cód. da Estação: ") + textoCodigo;
    c.linhas[3] = QStringLiteral("Início do Ano Hidrológico: ") + mes;
    c.linhas[0] = QStringLiteral("Arquivo: ") + arquivo;
    c.linhas[4] = QStringLiteral("Última modificação: ") + data;

    if (exibido) {
        c.tituloJanela = QStringLiteral("Corvel 1.0-(") + arquivo + u')';
        c.painel1 = QStringLiteral("Arquivo :") + arquivo;
        c.painel2 = QStringLiteral("Última modificação: ") + data;
    } else {
        c.tituloJanela = QString::fromUtf8(kTituloAplicacao);
    }
    return c;
}

} // namespace corvel
