// Reading a folder of project files for the diagram. Each file is read and reduced to its cells on
// its own (files are independent), by a few threads; the rows are then appended in the order of the
// list, so the diagram does not depend on which thread finished first.
#include "adicao.h"

#include "celulas.h"
#include "textosdiagrama.h"

#include "core/arquivotabela.h"
#include "core/erros.h"
#include "core/projeto.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <atomic>
#include <thread>
#include <variant>

namespace corvel {

QStringList projetosDaPasta(const QString& pasta) {
    const QDir dir(pasta);
    const QStringList nomes = dir.entryList({QStringLiteral("*.cvl")}, QDir::Files | QDir::Readable,
                                            QDir::Name | QDir::IgnoreCase);
    QStringList caminhos;
    caminhos.reserve(nomes.size());
    for (const QString& n : nomes)
        caminhos.push_back(dir.filePath(n));
    return caminhos;
}

QStringList arquivosParaAdicionar(const QString& escolhido,
                                  const std::function<bool(const QString& pergunta)>& confirmar) {
    if (!escolhido.endsWith(QLatin1String(kExtensaoProjeto), Qt::CaseSensitive))
        throw Erro(QString::fromUtf8(kMsgNaoEhProjeto), Gravidade::Aviso);
    const QStringList todos = projetosDaPasta(QFileInfo(escolhido).absolutePath());
    if (todos.size() > 1 && confirmar(QString::fromUtf8(kPerguntaTodosProjetos))) return todos;
    return {escolhido};
}

std::optional<Mensagem> ResultadoAdicao::mensagem() const {
    if (ilegiveis.empty()) return std::nullopt;
    QString texto = QString::fromUtf8(kMsgArquivosIlegiveis);
    for (const ArquivoIlegivel& a : ilegiveis)
        texto += kQuebraLinha + a.arquivo + QStringLiteral(": ") + a.motivo;
    return Mensagem{Gravidade::Aviso, texto};
}

namespace {

using Leitura = std::variant<EstacaoDisponibilidade, QString>; // the cells, or why not

Leitura lerArquivo(const QString& caminho, PeriodoDiagrama periodo) {
    try {
        return disponibilidadeProjeto(lerTabela(caminho), periodo);
    } catch (const Erro& e) {
        return e.mensagem();
    } catch (const std::bad_alloc&) {
        return QStringLiteral("memória insuficiente para ler o arquivo");
    } catch (const std::exception& e) {
        // Nothing may escape a reading thread.
        return QString::fromLocal8Bit(e.what());
    }
}

int numeroTarefas(int pedidas, qsizetype arquivos) {
    int n = pedidas > 0 ? pedidas : static_cast<int>(std::thread::hardware_concurrency());
    // A couple of files are not worth a thread; a thread per core keeps the disk and CPU busy.
    n = std::clamp(n, 1, 16);
    return static_cast<int>(std::min<qsizetype>(n, std::max<qsizetype>(arquivos / 4, 1)));
}

} // namespace

ResultadoAdicao adicionarProjetos(Diagrama& diagrama, const QStringList& arquivos,
                                  const ProgressoAdicao& progresso, int tarefas) {
    const qsizetype total = arquivos.size();
    std::vector<Leitura> leituras(static_cast<std::size_t>(total));
    std::atomic<qsizetype> proximo{0};
    std::atomic<qsizetype> feitos{0};
    const PeriodoDiagrama periodo = diagrama.periodo;
    const auto trabalhar = [&](bool informar) {
        for (qsizetype i = proximo++; i < total; i = proximo++) {
            leituras[static_cast<std::size_t>(i)] = lerArquivo(arquivos[i], periodo);
            const qsizetype f = ++feitos;
            if (informar && progresso) progresso(f, total);
        }
    };
    {
        std::vector<std::jthread> auxiliares;
        const int n = numeroTarefas(tarefas, total);
        for (int k = 1; k < n; ++k)
            auxiliares.emplace_back([&] { trabalhar(false); });
        trabalhar(true); // the caller's thread works too, and reports the progress
    }
    if (progresso) progresso(total, total);

    ResultadoAdicao r;
    for (qsizetype i = 0; i < total; ++i) {
        auto& leitura = leituras[static_cast<std::size_t>(i)];
        if (auto* motivo = std::get_if<QString>(&leitura)) {
            r.ilegiveis.push_back({QFileInfo(arquivos[i]).fileName(), *motivo});
            continue;
        }
        auto& e = std::get<EstacaoDisponibilidade>(leitura);
        if (diagrama.contemEstacao(e.codigo)) {
            ++r.repetidas;
            continue;
        }
        diagrama.acrescentar(e.codigo, std::move(e.anos), std::move(e.estimados),
                             std::move(e.brutos));
        ++r.adicionadas;
    }
    return r;
}

} // namespace corvel
