// Output helpers shared by the windows.
#include "saidas.h"
#include "previa.h"

#include "cursorocupado.h"

#include "core/bancada.h"
#include "core/gravacao.h"
#include "core/projeto.h"
#include "exchange/windows1252.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QUrl>

namespace corvel::ui {

std::optional<QString> pedirArquivoParaGravar(ServicoDialogos& dialogos,
                                              const FiltroArquivo& filtro) {
    for (;;) {
        const auto arquivo = dialogos.salvarArquivo(filtro);
        if (!arquivo) return std::nullopt;
        if (!QFileInfo::exists(*arquivo) || dialogos.pergunta(QString::fromUtf8(kMsgArquivoExiste)))
            return arquivo;
    }
}

bool exportarCsvResultado(ServicoDialogos& dialogos, const FiltroArquivo& filtro,
                          const std::vector<QString>& titulos, const LinhasTexto& linhas) {
    const auto arquivo = pedirArquivoParaGravar(dialogos, filtro);
    if (!arquivo) return false;
    try {
        CursorOcupado ocupado;
        gravarCsvResultado(*arquivo, titulos, linhas);
    } catch (const Erro& e) {
        dialogos.mostrar(e);
        return false;
    }
    return true;
}

bool exportarCsvTexto(ServicoDialogos& dialogos, const FiltroArquivo& filtro,
                      const TabelaTexto& tabela) {
    const auto arquivo = pedirArquivoParaGravar(dialogos, filtro);
    if (!arquivo) return false;
    try {
        CursorOcupado ocupado;
        gravarArquivoAtomico(*arquivo, codificarWindows1252(textoCsv(tabela)));
    } catch (const Erro& e) {
        dialogos.mostrar(e);
        return false;
    }
    return true;
}

bool exportarPlanilha(ServicoDialogos& dialogos, const QString& titulo,
                      const std::function<void(const QString& caminho)>& escrever) {
    const auto arquivo = pedirArquivoParaGravar(
        dialogos, {QStringLiteral("Exportar para planilha"),
                   QStringLiteral("Pasta de trabalho do Excel (*.xlsx)"), QStringLiteral("xlsx"),
                   titulo + QStringLiteral(".xlsx")});
    if (!arquivo) return false;
    try {
        CursorOcupado ocupado;
        escrever(*arquivo);
    } catch (const Erro& e) {
        dialogos.mostrar(e);
        return false;
    }
    if (dialogos.pergunta(QStringLiteral("A planilha foi gravada em \"%1\". Deseja abri-la agora?")
                              .arg(QDir::toNativeSeparators(*arquivo))))
        QDesktopServices::openUrl(QUrl::fromLocalFile(*arquivo));
    return true;
}

void pedirTecnico(Bancada& bancada, ServicoDialogos& dialogos) {
    const auto nome = dialogos.entrada(QStringLiteral("Técnico responsável"),
                                       QStringLiteral("Digite o nome do técnico responsável:"),
                                       QString::fromLatin1(kTecnicoIndefinido));
    bancada.tecnico = nome.value_or(QString::fromLatin1(kTecnicoIndefinido));
}

void imprimirRelatorio(QWidget* pai, ServicoDialogos& dialogos, Bancada& bancada,
                       const std::function<relatorio::Relatorio()>& montar) {
    if (bancada.tecnico == QString::fromLatin1(kTecnicoIndefinido)) pedirTecnico(bancada, dialogos);
    const relatorio::Relatorio r = montar();
    QPrinter impressora(QPrinter::HighResolution);
    relatorio::prepararPagina(impressora, r);
    impressora.setDocName(r.titulo);
    QPrintPreviewDialog previa(&impressora, pai);
    prepararPrevia(previa);
    previa.setWindowTitle(QStringLiteral("Visualizar impressão - ") + r.titulo);
    QObject::connect(&previa, &QPrintPreviewDialog::paintRequested, &previa, [&r](QPrinter* p) {
        QPainter painter(p);
        relatorio::renderizar(painter, *p, r);
    });
    dialogos.executar(previa);
}

} // namespace corvel::ui
