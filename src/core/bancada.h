// The workbench state: the open series, its project file and the globals every window shares.
// Windows and the command-line tool receive it by reference; nothing here touches a widget.
#pragma once

#include "entradadados.h"
#include "projeto.h"
#include "serie.h"

#include <QString>
#include <array>

namespace corvel {

// Upper and lower flows measured for the station's rating curve, in m³/s.
struct LimitesCurvaChave {
    double superior = 0;
    double inferior = 0;
    bool validos() const { return superior > inferior && inferior >= 0; }
};

inline constexpr int kMinimoRegistrosAnalise = 12;
inline constexpr auto kTecnicoIndefinido = "-";

class Bancada {
public:
    // `pastaDados`: see the member of that name.
    explicit Bancada(QString pastaPrograma = {}, QString pastaDados = {});
    // The workbench of an installed program: its own folder and the user's data folder.
    static Bancada instalada();

    SerieTabela serie;
    QString arquivoProjeto; // full path; empty while no file holds the open series
    int inicioAnoHidrologico = 9;
    qint16 nivelConsistencia = 2;
    bool mesesDescartados = false;
    // Data-entry mode: on while a series is being typed in (from the new-series command, and
    // while the data management window is active); every record written meanwhile passes the
    // data-entry check (gravarRegistro).
    bool modoEntrada = false;
    // Project header lines 1 to 6 (the sixth is the pre-processing note).
    std::array<QString, 6> linhasCabecalho;
    QString tecnico = QString::fromLatin1(kTecnicoIndefinido);
    // On while the new-series dialog is open; its OK, once the series is made, turns it off.
    bool cancelaNovaSerie = false;
    // Once an import has marked its months considered, the situation becomes a visible column of
    // the series for the rest of the run (the spreadsheet export then carries it).
    bool situacaoVisivel = false;
    LimitesCurvaChave limitesCurvaChave;
    // The reservoir area of the regularization's evaporation, km²: typed once, kept for the run.
    double areaReservatorio = 0;
    // The user's data folder, where the files the program rewrites at run time are kept (the
    // refreshed station list, the web service's answers, the evaporation rates): a program's own
    // folder is read-only for a normal user. Tests point it at a folder of their own; empty, the
    // station list and the web service use only the program's folder, and the evaporation rates
    // the user's data folder of this program.
    QString pastaDados;

    const QString& pastaPrograma() const { return pastaPrograma_; }
    // The station list in use: the user's refreshed copy when there is one, else the one shipped
    // beside the program.
    QString arquivoListaEstacoes() const;

    // Opens a project file. On any failure the project is closed and the error (with the kind of
    // message box to show) is thrown on.
    void abrirProjeto(const QString& caminho);

    enum class Salvamento { Salvo, PrecisaNome };
    // Writes the series to the current project file and reads it back, so the open series is the
    // file's content. PrecisaNome when there is no file yet (the caller runs save as). Throws Erro
    // with "Não há modificações para salvar." when no series is open; on a failed write or reload
    // the project is closed and the save error is thrown.
    Salvamento salvar();
    // Save as: asks for the name and saves. False when the dialog was cancelled, which leaves the
    // series open without a current project file.
    bool salvarComo(const PedirNome& pedirNome, const Confirmar& confirmarSubstituicao);
    // The name proposed by save as: station code of the current record + ".cvl".
    QString nomeProposto() const;

    // Reads the current project file again, dropping unsaved edits (after an analysis window).
    void recarregar();
    // Close project: no series, no current project file.
    void fechar();

    // Rebuilds header lines 1 to 5 and returns what the header panel, caption and status show.
    CabecalhoProjeto atualizarCabecalho(bool exibido);

    // An analysis window needs an open series of at least 12 monthly records.
    bool podeAnalisar() const;

    // The importer's finishing steps on the open series.
    void porZeroEmDescartar();
    void completaFalha();

    // Takes over a series an importer read (records appended in reading order) and runs the
    // finishing steps: consistency level := `nivel`, mark all considered (when asked), month
    // completion, order by Data; no project file yet, no discarded months, rating-curve limits 0.
    // The caller then saves, which asks for a name.
    void assumirImportacao(SerieTabela nova, qint16 nivel, bool marcarConsiderados = true);

    // The new empty series of the period takes the place of the open one: start month 1, no
    // discarded months, no project file yet (the caller saves it under a name).
    void criarSerieVazia(const PeriodoNovaSerie& periodo);
    // The series' before-write rule: the i-th record (current order) is being written; in
    // data-entry mode it first passes the data-entry check.
    void gravarRegistro(qsizetype i);

  private:
    void carregar(const QString& caminho);

    QString pastaPrograma_;
};

} // namespace corvel
