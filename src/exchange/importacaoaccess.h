// Import of one station from the agency's Access database (table Vazoes, one row per station,
// consistency level and month) into a fresh series. The caller hands the result to the workbench
// (Bancada::assumirImportacao) and saves it.
#pragma once

#include "bancoaccess.h"
#include "progresso.h"
#include "resultadoimportacao.h"

#include <QString>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace corvel {

inline constexpr auto kMsgNaoEBancoVazoes = "Esse não é um Banco de Dados da Vidara para Vazões.";
inline constexpr auto kMsgBancoCorrompido =
    "Banco de Dados corrompido ou de origem não reconhecida. ";
inline constexpr auto kMsgOperacaoCancelada = "Operação cancelada pelo usuário.";

// The file dialog of the import: title, filter (Qt's form) and default extension.
inline constexpr auto kTituloImportarDados = "Importar dados";
inline constexpr auto kFiltroBancoAccess = "Arquivos Access da Vidara (*.mdb *.MDB)";
inline constexpr auto kExtensaoBancoAccess = "mdb";

// The station choice window.
inline constexpr auto kTituloEscolhaEstacao = "Lista de estação disponíveis";
inline constexpr auto kRotuloEscolhaEstacao = "Escolha uma Estação";

enum class RespostaEscolha {
    Escolhida,    // OK with a station picked
    OkSemEscolha, // OK with nothing picked
    Cancelada,    // "Cancelar" or the window closed otherwise
};

struct EscolhaEstacao {
    qint32 codigo = 0;
    QString informacao; // shown as an information before the import goes on; empty for none
};

// What the choice window leads to. Without a pick the list stays on its first station, so OK and
// cancel both import it, after saying so; the window offers no way to abandon the import.
EscolhaEstacao escolherEstacao(const std::vector<qint32>& codigos, RespostaEscolha resposta,
                               qsizetype escolhida = 0);

// The status line after an import: which consistency level was read.
QString textoNivelImportado(qint16 nivel);

// The fields read from each row, in the order the rows arrive.
const QStringList& camposLidosVazoes();
// The fields read after them when the table has them all: the month's method and the 31 days'
// statuses (the agency's codes, see core/sinais.h).
const QStringList& camposSinaisVazoes();

// Rows of one station turned into monthly records of each level: the level the rows are read at
// is chosen afterwards. Each row holds the fields of camposLidosVazoes() as protocol texts.
class MontagemEstacao {
  public:
    // `comSinais`: each row also holds the fields of camposSinaisVazoes().
    explicit MontagemEstacao(bool comSinais = false) : comSinais_(comSinais) {}
    // Rows of other levels than 1 and 2 are left out. A value that cannot be converted (a code,
    // level or date that is not a whole number, a date outside 1800 to 2100, a flow that is not a
    // finite number) is kept as its level's error, thrown only when that level is imported.
    void acrescentar(const std::vector<std::string_view>& valores);
    // Consisted rows when there are any, raw ones otherwise; one record per month (the later row).
    // Throws ErroConversao, or ErroBancoAccess when the station has no row at either level.
    ResultadoImportacao resultado(qint32 codigo, DadosBrutos brutos);

  private:
    MesesDoNivel bruto_, consistido_;
    qsizetype linhas_ = 0;
    bool comSinais_ = false;
};

// An open agency database, checked: it has a table Vazoes with the fields the import reads.
class BancoVazoes {
  public:
    // Throws Erro (warning) kMsgNaoEBancoVazoes when there is no table Vazoes, Erro (warning)
    // kMsgBancoCorrompido when it has no field Vazao03Status, and ErroBancoAccess when the file
    // cannot be read, a field the import reads is missing or of another type, or no row names a
    // station.
    explicit BancoVazoes(const QString& caminho);
    ~BancoVazoes();

    // The distinct station codes, ascending, as the choice list shows them.
    const std::vector<qint32>& codigos() const { return codigos_; }
    // More than one station: the choice window is shown.
    bool precisaEscolher() const { return codigos_.size() > 1; }

    // The rows of one station. Throws ErroBancoAccess (with the value and its row for a value
    // that cannot be converted). `progresso` gets the number of the station's rows read.
    ResultadoImportacao importarEstacao(qint32 codigo,
                                        DadosBrutos brutos = DadosBrutos::SoSemConsistidos,
                                        const Progresso& progresso = {});

  private:
    std::unique_ptr<BancoAccess> banco_;
    QString tabela_;    // the names as the file spells them
    QStringList nomes_; // the fields read, in camposLidosVazoes() order (then the statuses')
    bool comSinais_ = false;
    std::vector<qint32> codigos_;
};

} // namespace corvel
