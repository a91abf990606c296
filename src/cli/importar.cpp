// corvel-cli importar: an agency text file, an agency Access database or a São Paulo text file to
// a project file, as the import commands of the main window do it, without the dialogs.
#include "argumentos.h"
#include "comandos.h"
#include "resumoimportacao.h"

#include "core/bancada.h"
#include "core/erros.h"
#include "core/formato.h"
#include "core/plataforma.h"
#include "exchange/importacaoaccess.h"
#include "exchange/importacaoagencia.h"
#include "exchange/importacaodiaria.h"
#include "exchange/importacaosp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>
#include <optional>

namespace corvel::cli {

namespace {

enum class Origem { Agencia, Access, SaoPaulo, Diaria };

struct Opcoes {
    QString arquivo, saida;
    Origem origem = Origem::Agencia;
    bool substituir = false;
    bool listar = false;
    std::optional<qint32> estacao;
    std::optional<qint32> codigo; // of a plain daily series
    DadosBrutos brutos = DadosBrutos::SoSemConsistidos;
};

Opcoes lerOpcoes(const QStringList& argumentos) {
    Opcoes o;
    bool sp = false;
    const QStringList arquivos = lerArgumentos(
        argumentos,
        {{"-o", 1, [&](const QStringList& v) { o.saida = v[0]; }, "-o pede o nome do projeto"},
         {"--substituir", 0, [&](const QStringList&) { o.substituir = true; }},
         {"--completar-brutos", 0,
          [&](const QStringList&) { o.brutos = DadosBrutos::CompletarSerie; }},
         {"--listar", 0, [&](const QStringList&) { o.listar = true; }},
         {"--estacao", 1,
          [&](const QStringList& v) {
              try {
                  o.estacao = static_cast<qint32>(std::clamp<long long>(
                      lerInteiro(v[0]), 0, std::numeric_limits<qint32>::max()));
              } catch (const ErroConversao&) {
                  throw ErroUso{QStringLiteral("código de estação inválido: %1").arg(v[0])};
              }
          },
          "--estacao pede o código da estação"},
         {"--codigo", 1,
          [&](const QStringList& v) {
              long long c = 0;
              try {
                  c = lerInteiro(v[0]);
              } catch (const ErroConversao&) {
              }
              if (c <= 0 || c > std::numeric_limits<qint32>::max())
                  throw ErroUso{QStringLiteral("código de estação inválido: %1").arg(v[0])};
              o.codigo = static_cast<qint32>(c);
          },
          "--codigo pede o código da estação"},
         {"--sp", 1,
          [&](const QStringList& v) {
              if (sp) throw ErroUso{QStringLiteral("informe um arquivo só")};
              o.arquivo = v[0];
              sp = true;
          },
          "--sp pede o arquivo texto de São Paulo"}});
    if (!arquivos.isEmpty()) {
        if (sp) throw ErroUso{QStringLiteral("informe um arquivo só")};
        o.arquivo = arquivos[0];
    }
    if (o.arquivo.isEmpty())
        throw ErroUso{QStringLiteral(
            "informe o arquivo da Vidara (.txt, .csv ou .mdb) ou --sp e o arquivo de São Paulo")};
    o.origem = sp ? Origem::SaoPaulo
               : QFileInfo(o.arquivo).suffix().compare(u"mdb", Qt::CaseInsensitive) == 0
                   ? Origem::Access
               : o.codigo ? Origem::Diaria
                          : Origem::Agencia;
    if (o.codigo && o.origem != Origem::Diaria)
        throw ErroUso{QStringLiteral("--codigo é para séries diárias (data, vazão)")};
    if ((o.listar || o.estacao) && o.origem != Origem::Access)
        throw ErroUso{QStringLiteral("--listar e --estacao são para bancos de dados .mdb")};
    if (o.brutos == DadosBrutos::CompletarSerie && o.origem == Origem::SaoPaulo)
        throw ErroUso{QStringLiteral("--completar-brutos não se aplica a arquivos de São Paulo")};
    if (o.brutos == DadosBrutos::CompletarSerie && o.origem == Origem::Diaria)
        throw ErroUso{QStringLiteral("--completar-brutos não se aplica a séries diárias")};
    return o;
}

QString listaDeCodigos(const std::vector<qint32>& codigos) {
    QStringList t;
    for (qint32 c : codigos)
        t << QString::number(c);
    return t.join(QStringLiteral(", "));
}

// The first bytes of a file, enough to tell its layout; empty when it cannot be read (the importer
// then says why).
QByteArray lerInicio(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.read(4096) : QByteArray();
}

// Reads the database; nullopt when only the station list was asked for (and printed).
std::optional<ResultadoImportacao> importarAccess(const Opcoes& o, const QString& caminho,
                                                  QTextStream& saida) {
    try {
        BancoVazoes banco(caminho);
        if (o.listar) {
            for (qint32 c : banco.codigos())
                saida << c << '\n';
            return std::nullopt;
        }
        const std::vector<qint32>& codigos = banco.codigos();
        // Without a choice the first station is imported, as the choice window does when it is
        // cancelled.
        const qint32 codigo = o.estacao.value_or(codigos.front());
        if (std::find(codigos.begin(), codigos.end(), codigo) == codigos.end())
            throw Erro(QStringLiteral("a estação %1 não está no banco de dados (estações: %2)")
                           .arg(codigo)
                           .arg(listaDeCodigos(codigos)));
        if (!o.estacao && banco.precisaEscolher())
            escreverNaSaidaDeErros(
                QStringLiteral("corvel-cli importar: aviso: o banco de dados tem %1 estações "
                               "(%2); importada a primeira, %3 (escolha outra com --estacao)")
                    .arg(codigos.size())
                    .arg(listaDeCodigos(codigos))
                    .arg(codigo));
        return banco.importarEstacao(codigo, o.brutos);
    } catch (const ErroBancoAccess& e) {
        // One line that also says what was wrong.
        throw Erro(e.mensagem() + QStringLiteral(": ") + e.causa());
    }
}

} // namespace

int executarImportar(const QStringList& argumentos, QTextStream& saida) {
    const Opcoes o = lerOpcoes(argumentos);
    Bancada bancada = Bancada::instalada();
    const QString caminho = QFileInfo(o.arquivo).absoluteFilePath();
    ResultadoImportacao r;
    try {
        if (o.origem == Origem::Access) {
            auto lido = importarAccess(o, caminho, saida);
            if (!lido) return 0;
            r = std::move(*lido);
        } else if (o.origem == Origem::SaoPaulo) {
            r = importarArquivoSaoPaulo(caminho);
        } else if (o.origem == Origem::Diaria) {
            r = importarSerieDiaria(caminho, *o.codigo);
        } else {
            if (pareceSerieDiaria(lerInicio(caminho)))
                throw Erro(QStringLiteral("%1 é uma série diária (data, vazão): informe o código "
                                          "da estação com --codigo")
                               .arg(QDir::toNativeSeparators(o.arquivo)));
            r = importarArquivoAgencia(caminho, bancada.inicioAnoHidrologico, o.brutos);
        }
    } catch (const ErroImportacao& e) {
        // One line that also says what was wrong, since no window will show the file.
        throw Erro(e.mensagem() + u' ' + e.causa());
    }
    const int duplicados = r.duplicadosDescartados;
    // A São Paulo file is read at level 1 while the workbench, and the months it adds, stay at 2.
    const int nivelLido = o.origem == Origem::SaoPaulo ? 1 : r.nivelConsistencia;
    const AvisosImportacao avisos = r.avisos;
    bancada.assumirImportacao(std::move(r.serie), r.nivelConsistencia);

    const QString nome = o.saida.isEmpty() ? bancada.nomeProposto() : o.saida;
    const QString projeto = QFileInfo(ajustarExtensaoProjeto(nome)).absoluteFilePath();
    if (QFileInfo::exists(projeto) && !o.substituir)
        throw Erro(QStringLiteral("%1 já existe; use --substituir para substituí-lo")
                       .arg(QDir::toNativeSeparators(projeto)));
    bancada.arquivoProjeto = projeto;
    bancada.salvar();
    escreverResumoImportacao(saida, bancada, nivelLido, duplicados, avisos, "importar");
    return 0;
}

} // namespace corvel::cli
