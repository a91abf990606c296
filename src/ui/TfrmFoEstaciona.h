// The stationarity window: an annual series handed over by an analysis window, tested over every
// split of a period ("Contínua") or between two sub-periods ("Personalizada"), at 1 % or 5 %.
#pragma once

#include "stats/analisetendencia.h"
#include "stats/estacionariedade.h"

#include <QDialog>
#include <array>
#include <optional>

class QComboBox;
class QLineEdit;
class QAbstractItemModel;
class QTabBar;
class QTabWidget;
class QTableView;

namespace corvel {
class Bancada;
}

namespace corvel::ui {

class ModeloEntradaEstacionariedade;
class ModeloResultadosEstacionariedade;
class PaginaTendencia;
class ServicoDialogos;

class TfrmFoEstaciona : public QDialog {
    Q_OBJECT
  public:
    TfrmFoEstaciona(Bancada& bancada, ServicoDialogos& dialogos, QWidget* pai = nullptr);

    // The calling window's hand-over, in this order.
    void LimparDadosEntrada();
    void definirPeriodoMinimo(const QString& texto); // both "Período mínimo" boxes
    // Appends a value dated `dataTexto` (dd/mm/yyyy) labelled `rotulo`. False with "Crie uma base
    // de dados" when the date cannot be read.
    bool AdicionarDadoEntrada(const QString& dataTexto, const QString& rotulo, double valor);
    // Fills every period list, one item per value (dates in the date-based lists, `anos` in the
    // year-based ones), preselects the whole period for the continuous test and the two halves for
    // the two-sample test, and shows the date-based or the year-based lists.
    void preencherListas(const QStringList& anos, bool porAno);
    void definirEstacao(const QString& codigo);

    // The tests, as their menu items, page changes and level tabs run them.
    void Continua1Click();
    void Personalizada1Click();
    // Mann-Kendall, Sen and Pettitt over the whole input series, at the page's level.
    void Tendencia1Click();
    enum Pagina { kContinua = 0, kPersonalizada = 1, kTendencia = 2 };
    PaginaTendencia* paginaTendencia() const { return tendencia_; }
    // The last trend analysis shown; empty before one or after a refused series.
    const std::optional<AnaliseTendencia>& analiseTendencia() const { return analiseTendencia_; }

    const std::vector<DadoEntrada>& dadosEntrada() const { return dados_; }
    const std::vector<LinhaEstacionariedade>& resultados() const;
    QAbstractItemModel* modeloResultados() const;
    QAbstractItemModel* modeloEntrada() const;
    QTabWidget* paginas() const { return paginas_; }
    QTabBar* nivelContinua() const { return nivel_[0]; }
    QTabBar* nivelPersonalizada() const { return nivel_[1]; }
    // Date-based lists: 0, 1 continuous; 2..5 series 1 start/end, series 2 start/end.
    QComboBox* listaData(int i) const { return datas_[static_cast<std::size_t>(i)]; }
    QComboBox* listaAno(int i) const { return anos_[static_cast<std::size_t>(i)]; }

  public Q_SLOTS:
    void exportarDadosCsv();
    void exportarDadosXls();
    void exportarResultadosCsv();
    void exportarResultadosXls();
    void exportarTendenciaCsv();
    void exportarTendenciaXls();
    void imprimir();

  protected:
    void showEvent(QShowEvent* evento) override;

  private:
    void criarMenus();
    QWidget* criarPagina(int pagina);
    void mostrarEntrada(const std::vector<DadoEntrada>& visiveis);
    void mostrarResultados(const ResultadoEstacionariedade& r);
    NivelSignificancia nivel(int pagina) const;
    std::optional<QDate> dataDaLista(int i) const;
    QString tituloExportacao() const;

    Bancada& bancada_;
    ServicoDialogos& dialogos_;
    std::vector<DadoEntrada> dados_;
    QTabWidget* paginas_ = nullptr;
    std::array<QTabBar*, 2> nivel_{};
    std::array<QLineEdit*, 2> periodoMinimo_{};
    std::array<QComboBox*, 6> datas_{};
    std::array<QComboBox*, 6> anos_{};
    ModeloEntradaEstacionariedade* modeloEntrada_ =
        nullptr; // the input rows of the period last tested
    ModeloResultadosEstacionariedade* modeloSaida_ = nullptr;
    QLineEdit* estacao_ = nullptr;
    PaginaTendencia* tendencia_ = nullptr;
    std::optional<AnaliseTendencia> analiseTendencia_;
    bool testando_ = false; // list changes made by a test itself trigger nothing
};

} // namespace corvel::ui
