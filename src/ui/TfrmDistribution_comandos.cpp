// Distribution window: menus, the exports of the events and of the results, the spreadsheet
// import of events, the two reports and help.
#include "TfrmDistribution.h"
#include "comando.h"

#include "aplicacao.h"
#include "saidas.h"

#include "core/bancada.h"
#include "core/formato.h"
#include "core/gravacao.h"
#include "exchange/importaexcel.h"
#include "exchange/planilha.h"
#include "exchange/windows1252.h"
#include "stats/exportacao_distribuicoes.h"

#include <QMenuBar>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>
#include <cstring>

namespace corvel::ui {

namespace {

const QString kCsv =
    QStringLiteral("*.CSV (Arquivo texto com dados separados por ponto-e-vírgula)");
const QString kXls = QStringLiteral("*.XLS (Arquivos do Excel)");
const FiltroArquivo kFiltroCsv{
    QStringLiteral("Exportar"),
    QStringLiteral("Arquivos texto (Separado por Ponto-e-vírgula) (*.CSV *.csv)"),
    QStringLiteral("CSV")};
const QString kErroCsv = QStringLiteral("Erro ao exportar arquivo *.csv");

// Writes the file; on failure shows the export message with its cause.
void gravarCsv(ServicoDialogos& dialogos, const QString& caminho, const QString& texto) {
    try {
        gravarArquivoAtomico(caminho, codificarWindows1252(texto));
    } catch (const ErroArquivo& e) {
        dialogos.mensagem(Gravidade::Erro, kErroCsv + kQuebraLinha + e.mensagem());
    }
}

std::size_t indiceColuna(const char* campo) {
    const auto colunas = colunasDistribuicao();
    for (std::size_t c = 0; c < colunas.size(); ++c)
        if (std::strcmp(colunas[c].campo, campo) == 0) return c;
    return 0;
}

Valor valorOpcional(const std::optional<double>& v) {
    return v ? Valor(*v) : Valor();
}

// A result cell as its field holds it, for the spreadsheet (numbers stay numbers).
std::pair<TipoCampo, Valor> valorCampo(const LinhaDistribuicao& l, std::string_view campo) {
    const std::pair<std::string_view, double> reais[] = {
        {"IntervaloConfiancaSuperior", l.IntervaloConfiancaSuperior},
        {"ValorEvento", l.ValorEvento},
        {"IntervaloConfiancaInferior", l.IntervaloConfiancaInferior},
        {"ErroPadrao", l.ErroPadrao},
        {"Media", l.Media},
        {"Variancia", l.Variancia},
        {"assimetria", l.assimetria},
        {"NEventos", l.NEventos},
        {"Duracao", l.Duracao},
        {"Diferenca", l.Diferenca}};
    for (const auto& [nome, v] : reais)
        if (nome == campo) return {TipoCampo::Real, v};
    const std::pair<std::string_view, const std::optional<double>*> opcionais[] = {
        {"Alfa", &l.Alfa},
        {"Beta", &l.Beta},
        {"Gama", &l.Gama},
        {"DesvioPadrao", &l.DesvioPadrao},
        {"A", &l.A}};
    for (const auto& [nome, v] : opcionais)
        if (nome == campo) return {TipoCampo::Real, valorOpcional(*v)};
    if (campo == "PeriodoRetorno") return {TipoCampo::Inteiro, qint64(l.PeriodoRetorno)};
    if (campo == "Erro") return {TipoCampo::Inteiro, qint64(l.Erro)};
    return {TipoCampo::Texto, l.NomeDistribuicao};
}

} // namespace

void TfrmDistribution::criarMenus() {
    auto* barra = new QMenuBar(this);
    auto nova = [this](QMenu* m, const QString& legenda, const char* nome, auto slot,
                       const QKeySequence& tecla = {}) {
        QAction* a = m->addAction(legenda);
        a->setObjectName(QString::fromLatin1(nome));
        a->setShortcut(tecla);
        addAction(a); // the keys work while the menu is closed
        connect(a, &QAction::triggered, this, comando(dialogos_, this, slot));
        return a;
    };
    QMenu* arquivo = barra->addMenu(QStringLiteral("Arquivo"));
    QMenu* exportar = arquivo->addMenu(QStringLiteral("Exportar"));
    QMenu* dados = exportar->addMenu(QStringLiteral("Dados"));
    nova(dados, kCsv, "DadosCSV1", &TfrmDistribution::exportarDadosCsv);
    nova(dados, kXls, "DadosXLS1", &TfrmDistribution::exportarDadosXls);
    QMenu* distribuicoes = exportar->addMenu(QStringLiteral("Distribuições"));
    nova(distribuicoes, kCsv, "DistribuicoesCSV1", &TfrmDistribution::exportarDistribuicoesCsv);
    nova(distribuicoes, kXls, "DistribuicoesXLS1", &TfrmDistribution::exportarDistribuicoesXls);
    QMenu* importar = arquivo->addMenu(QStringLiteral("Importar"));
    nova(importar, kXls, "ImportarXLS1", &TfrmDistribution::importarXls);
    QMenu* imprimir = arquivo->addMenu(QStringLiteral("Imprimir"));
    nova(imprimir, QStringLiteral("Dados"), "ImprimirDados1", &TfrmDistribution::imprimirDados);
    nova(imprimir, QStringLiteral("Resultados"), "ImprimirResultados1",
         &TfrmDistribution::imprimirResultados);
    arquivo->addSeparator();
    nova(arquivo, QStringLiteral("Fechar"), "Fechar1", &QDialog::reject,
         QKeySequence(Qt::CTRL | Qt::Key_F4));
    QMenu* operacoes = barra->addMenu(QStringLiteral("Operações"));
    nova(operacoes, QStringLiteral("Calcular"), "Calcular1",
         &TfrmDistribution::ChamarProcessoCalcular, QKeySequence(Qt::Key_F11));
    QMenu* ajuda = barra->addMenu(QStringLiteral("Ajuda"));
    nova(ajuda, QStringLiteral("Conteúdo da ajuda"), "ConteudodaAjuda1",
         &TfrmDistribution::pedirAjuda, QKeySequence(Qt::Key_F1));
    static_cast<QVBoxLayout*>(layout())->setMenuBar(barra);
}

void TfrmDistribution::pedirAjuda() {
    dialogos_.ajuda(property("topicoAjuda").toInt());
}

void TfrmDistribution::exportarDadosCsv() {
    if (!listaAberta_) {
        dialogos_.mensagem(Gravidade::Erro, QStringLiteral("Não há dados para exportar."));
        return;
    }
    postar();
    const auto arquivo = pedirArquivoParaGravar(dialogos_, kFiltroCsv);
    if (arquivo) gravarCsv(dialogos_, *arquivo, textoDadosCsv(eventos_, EventosMaximos));
}

void TfrmDistribution::exportarDadosXls() {
    if (!listaAberta_) {
        dialogos_.mensagem(Gravidade::Aviso, QStringLiteral("Sem dados"));
        return;
    }
    postar();
    TabelaExibida t;
    for (int c = 0; c < 2; ++c)
        t.colunas.push_back({modeloEventos_->headerData(c, Qt::Horizontal).toString(),
                             c == 0 ? TipoCampo::Texto : TipoCampo::Real});
    t.colunas.push_back(
        {modeloLogaritmos_->headerData(1, Qt::Horizontal).toString(), TipoCampo::Real});
    for (const EventoDistribuicao& e : eventos_)
        t.linhas.push_back({e.Data, valorOpcional(e.Dados),
                            e.Dados && *e.Dados > 0 ? Valor(std::log(*e.Dados)) : Valor()});
    exportarPlanilha(dialogos_, QStringLiteral("Dados"), [&](const QString& caminho) {
        TExportaExcel::escrever(caminho, t, QStringLiteral("Dados"));
    });
}

void TfrmDistribution::exportarDistribuicoesCsv() {
    if (filtro_ == Filtro::Fechada) ChamarProcessoCalcular();
    if (filtro_ == Filtro::Fechada) {
        dialogos_.mensagem(Gravidade::Erro, kErroCsv); // still no result table to write
        return;
    }
    const auto arquivo = pedirArquivoParaGravar(dialogos_, kFiltroCsv);
    if (arquivo) gravarCsv(dialogos_, *arquivo, textoDistribuicoesCsv(visiveis_));
}

void TfrmDistribution::exportarDistribuicoesXls() {
    if (filtro_ == Filtro::Fechada) {
        dialogos_.mensagem(Gravidade::Aviso, QStringLiteral("Sem dados"));
        return;
    }
    const auto colunas = colunasDistribuicao();
    TabelaExibida t;
    for (const ColunaDistribuicao& c : colunas)
        t.colunas.push_back({QString::fromUtf8(c.titulo), TipoCampo::Texto});
    for (const LinhaDistribuicao& l : visiveis_) {
        std::vector<Valor> linha;
        for (std::size_t c = 0; c < colunas.size(); ++c) {
            auto [tipo, valor] = valorCampo(l, colunas[c].campo);
            t.colunas[c].tipo = tipo;
            linha.push_back(std::move(valor));
        }
        t.linhas.push_back(std::move(linha));
    }
    const QString titulo = QStringLiteral("Distribuiçõs");
    exportarPlanilha(dialogos_, titulo,
                     [&](const QString& caminho) { TExportaExcel::escrever(caminho, t, titulo); });
}

void TfrmDistribution::importarXls() {
    const auto arquivo = dialogos_.abrirArquivo(
        {QStringLiteral("Importar"),
         QStringLiteral("Arquivos do Excel (*.XLS *.xls *.XLSX *.xlsx *.ods)"),
         QStringLiteral("XLS")});
    if (!arquivo) return;
    TImportaExcel planilha;
    if (!planilha.abrir(*arquivo)) {
        dialogos_.mensagem(
            Gravidade::Erro,
            QStringLiteral("Não foi possível abrir a planilha \"%1\".").arg(*arquivo));
        return;
    }
    // Read in full first: a cell that is not a number leaves the list as it was.
    std::vector<EventoDistribuicao> lidos;
    try {
        for (int linha = 2;; ++linha) {
            const auto rotulo = planilha.lerCelula(1, linha, 1);
            if (!rotulo || rotulo->isEmpty()) break;
            const auto valor = planilha.lerCelula(1, linha, 2);
            lidos.push_back({rotulo->left(20), valor && !valor->trimmed().isEmpty()
                                                   ? std::optional<double>(lerReal(*valor))
                                                   : std::nullopt});
        }
    } catch (const Erro& e) {
        dialogos_.mostrar(e);
        return;
    }
    planilha.fechar();
    edicao_.reset();
    eventos_ = std::move(lidos);
    ids_.resize(eventos_.size());
    for (std::size_t i = 0; i < ids_.size(); ++i)
        ids_[i] = static_cast<int>(i);
    proximoId_ = static_cast<int>(ids_.size());
    listaAberta_ = true;
    mostrarEventos();
    EventosMaximos = dialogos_.pergunta(QStringLiteral("Esta é uma série de eventos máximos?"));
    atualizarTitulo();
    ChamarProcessoCalcular();
}

QString TfrmDistribution::estacaoDoRelatorio() const {
    return bancada_.serie.vazia() ? estacao_ : QString::number(bancada_.serie[0].estacaoCodigo);
}

void TfrmDistribution::imprimirDados() {
    postar();
    imprimirRelatorio(this, dialogos_, bancada_, [this] {
        relatorio::Relatorio r;
        r.titulo = windowTitle();
        r.cabecalho = {QStringLiteral("Técnico responsável: ") + bancada_.tecnico,
                       QStringLiteral("Estação: ") + estacaoDoRelatorio()};
        r.colunas = {{QStringLiteral("Data"), Qt::AlignLeft | Qt::AlignVCenter},
                     {QStringLiteral("Vazão(m³/s)")}};
        for (const EventoDistribuicao& e : eventos_)
            r.linhas.push_back({e.Data, e.Dados ? formatarNumero(*e.Dados, u"0.0000") : QString()});
        r.programa = QString::fromLatin1(kNomeProduto);
        return r;
    });
}

void TfrmDistribution::imprimirResultados() {
    preenchendo_ = true;
    if (analise_.calculada) paginas_->setCurrentIndex(kTabela);
    preenchendo_ = false;
    TabelaShow();
    imprimirRelatorio(this, dialogos_, bancada_, [this] {
        relatorio::Relatorio r;
        r.titulo = windowTitle();
        std::optional<double> A;
        for (const LinhaDistribuicao& l : visiveis_)
            if (l.A) A = l.A;
        r.cabecalho = {QStringLiteral("Técnico responsável: ") + bancada_.tecnico,
                       QStringLiteral("Estação: ") + estacaoDoRelatorio(),
                       QStringLiteral("Valor do parâmetro A (Distribuição LogNormal 3): ") +
                           (A ? formatarGeral(*A) : QString())};
        struct Coluna {
            const char* campo;
            const char* titulo;
        };
        const Coluna colunas[] = {{"NomeDistribuicao", "Distribuição"},
                                  {"NEventos", "Nº eventos"},
                                  {"IntervaloConfiancaSuperior", "I. C. sup. (95%)*"},
                                  {"ValorEvento", "Evento (m³/s)**"},
                                  {"IntervaloConfiancaInferior", "I. C. inf. (95%)*"},
                                  {"ErroPadrao", "Erro padrão"},
                                  {"Media", "Média"},
                                  {"Variancia", "Variância"},
                                  {"assimetria", "Assimetria"},
                                  {"Alfa", "Alfa"},
                                  {"Beta", "Beta"},
                                  {"Gama", "Gama"}};
        for (const Coluna& c : colunas)
            r.colunas.push_back({QString::fromUtf8(c.titulo),
                                 std::strcmp(c.campo, "NomeDistribuicao") == 0
                                     ? Qt::AlignLeft | Qt::AlignVCenter
                                     : Qt::AlignRight | Qt::AlignVCenter});
        for (const LinhaDistribuicao& l : visiveis_) {
            std::vector<QString> linha;
            for (const Coluna& c : colunas)
                linha.push_back(textoColuna(l, indiceColuna(c.campo)));
            r.linhas.push_back(std::move(linha));
        }
        r.notas = {
            QStringLiteral("* I. C.: Intervalo de confiança"),
            QStringLiteral(
                "** Valores de \"eventos\" e \"intervalos de confiança\" menores do que zero não "
                "têm significado físico.")};
        r.programa = QString::fromLatin1(kNomeProduto);
        return r;
    });
}

void TfrmDistribution::btnImprimirClick() {
    if (dialogos_.pergunta(QStringLiteral("Deseja imprimir a lista de dados de entrada?")))
        imprimirDados();
    if (dialogos_.pergunta(QStringLiteral("Deseja imprimir os resultados?"))) imprimirResultados();
}

} // namespace corvel::ui
