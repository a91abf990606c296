// Series table: calculated fields, orderings, appends under the insertion flag, month completion,
// mark all considered, and the conversion to and from the project file's table.
#include "serie.h"

#include "erros.h"
#include "formato.h"

#include <QTimeZone>
#include <algorithm>
#include <cmath>

namespace corvel {

// ---- calculated fields

QString RegistroMensal::nomeMes() const {
    return corvel::nomeMes(data.month());
}

QString RegistroMensal::mes() const {
    return rotuloMes(data);
}

int RegistroMensal::validos() const {
    const int n = nDias();
    int v = 0;
    for (int d = 0; d < n; ++d)
        v += vazao[static_cast<std::size_t>(d)].has_value() ? 1 : 0;
    return v;
}

int RegistroMensal::controle() const {
    const int m = data.month();
    return data.year() * (m >= 10 ? 100 : 10) + m;
}

QString RegistroMensal::situacao(bool mesesDescartados) const {
    switch (vazao01Status) {
    case kSemDados:
        return QStringLiteral("Inexistente");
    case kDescartado:
        return QStringLiteral("Descartado");
    case kConsiderado:
        if (mesesDescartados) return QStringLiteral("Considerado");
        return media() != 0 ? QStringLiteral("Com falhas") : QStringLiteral("Completo");
    default:
        return {};
    }
}

// ---- the table

void SerieTabela::fechar() {
    registros_.clear();
    ordem_.clear();
    ativa_ = false;
}

void SerieTabela::esvaziar() {
    registros_.clear();
    ordem_.clear();
    ativa_ = true;
}

std::size_t SerieTabela::pos(qsizetype i) const {
    Q_ASSERT(i >= 0 && i < tamanho());
    return static_cast<std::size_t>(i);
}

namespace {
bool antes(Ordem o, const RegistroMensal& a, const RegistroMensal& b) {
    return o == Ordem::Data ? a.data < b.data : a.registroId < b.registroId;
}
} // namespace

void SerieTabela::ordenar(Ordem o) {
    tipoOrdem_ = o;
    std::stable_sort(ordem_.begin(), ordem_.end(), [&](std::size_t a, std::size_t b) {
        if (antes(o, registros_[a], registros_[b])) return true;
        if (antes(o, registros_[b], registros_[a])) return false;
        return a < b; // equal keys keep the order of appending
    });
}

qsizetype SerieTabela::localizar(QDate mes) const {
    if (tipoOrdem_ == Ordem::Data) {
        const auto it =
            std::lower_bound(ordem_.begin(), ordem_.end(), mes,
                             [&](std::size_t i, QDate d) { return registros_[i].data < d; });
        if (it != ordem_.end() && registros_[*it].data == mes) return it - ordem_.begin();
        return -1;
    }
    for (std::size_t i = 0; i < ordem_.size(); ++i)
        if (registros_[ordem_[i]].data == mes) return static_cast<qsizetype>(i);
    return -1;
}

RegistroMensal SerieTabela::novoRegistro(qint16 nivelConsistencia) {
    RegistroMensal r;
    r.nivelConsistencia = nivelConsistencia;
    return r;
}

bool SerieTabela::acrescentar(RegistroMensal r) {
    if (!insercao_) return false;
    registros_.push_back(std::move(r));
    const std::size_t novo = registros_.size() - 1;
    // The new record goes after every record with an equal key, as a stable sort would put it.
    const auto it =
        std::upper_bound(ordem_.begin(), ordem_.end(), novo, [&](std::size_t a, std::size_t b) {
            return antes(tipoOrdem_, registros_[a], registros_[b]);
        });
    ordem_.insert(it, novo);
    return true;
}

void SerieTabela::acrescentarProgramatico(RegistroMensal r) {
    insercao_ = true;
    acrescentar(std::move(r));
    insercao_ = false;
}

void SerieTabela::remover(qsizetype i) {
    const std::size_t alvo = ordem_[pos(i)];
    registros_.erase(registros_.begin() + static_cast<std::ptrdiff_t>(alvo));
    ordem_.erase(ordem_.begin() + i);
    for (auto& p : ordem_)
        if (p > alvo) --p;
}

bool SerieTabela::temDescartados() const {
    return std::any_of(registros_.begin(), registros_.end(),
                       [](const RegistroMensal& r) { return r.vazao01Status == kDescartado; });
}

// ---- bulk operations

void completaFalha(SerieTabela& serie, int inicioAnoHidrologico, qint16 nivelConsistencia) {
    if (serie.vazia()) return;
    // The reference record is the last one appended (importers number records in reading order).
    serie.indiceID();
    double proximo = serie[serie.tamanho() - 1].registroId + 1;

    serie.indice();
    // The last year is that of the latest month present, not of the reference record: sources
    // that list their months newest first would otherwise be completed over their first year only.
    const int anoFinal = serie[serie.tamanho() - 1].data.year();
    const RegistroMensal& primeiro = serie[0];
    const int anoInicial = primeiro.data.year();
    const qint32 estacao = primeiro.estacaoCodigo;

    std::vector<QDate> ausentes;
    for (QDate m(anoInicial, 1, 1); m.year() <= anoFinal; m = m.addMonths(1))
        if (serie.localizar(m) < 0) ausentes.push_back(m);

    for (const QDate& m : ausentes) {
        proximo += 1;
        RegistroMensal r = SerieTabela::novoRegistro(nivelConsistencia);
        r.registroId = proximo;
        r.data = m;
        r.vazao01Status = kSemDados;
        r.vazao02Status = static_cast<qint16>(inicioAnoHidrologico);
        r.vazao03Status = 0;
        r.estacaoCodigo = estacao;
        serie.acrescentarProgramatico(std::move(r));
    }
}

void porZeroEmDescartar(SerieTabela& serie, int& inicioAnoHidrologico) {
    inicioAnoHidrologico = 1;
    for (RegistroMensal& r : serie.armazenados()) {
        r.vazao01Status = kConsiderado;
        r.vazao02Status = static_cast<qint16>(inicioAnoHidrologico);
        r.vazao03Status = 0;
    }
}

// ---- the project file's table

namespace {
QString nomeDia(int d) {
    return QStringLiteral("Vazao%1").arg(d, 2, 10, QLatin1Char('0'));
}

enum : int { kRegistroID, kEstacao, kData, kMedia, kVazao01 };
constexpr int kStatus1 = kVazao01 + kDiasRegistro;
constexpr int kStatus2 = kStatus1 + 1;
constexpr int kStatus3 = kStatus1 + 2;
constexpr int kNivel = kStatus1 + 3;
constexpr int kSinais = kNivel + 1;
constexpr int kMetodo = kNivel + 2;
} // namespace

void digitarDia(RegistroMensal& r, int d, std::optional<double> valor) {
    const auto i = static_cast<std::size_t>(d);
    if (r.vazao[i] == valor) return;
    r.vazao[i] = valor;
    r.sinal[i] = valor ? SinalDia::Digitado : SinalDia::Desconhecido;
}

std::vector<Campo> camposSerie() {
    std::vector<Campo> c{{QStringLiteral("RegistroID"), TipoCampo::Real, 0},
                         {QStringLiteral("EstacaoCodigo"), TipoCampo::Inteiro, 4},
                         {QStringLiteral("Data"), TipoCampo::DataHora, 0},
                         {QStringLiteral("Media"), TipoCampo::Real, 0}};
    for (int d = 1; d <= kDiasRegistro; ++d)
        c.push_back({nomeDia(d), TipoCampo::Real, 0});
    c.push_back({QStringLiteral("Vazao01Status"), TipoCampo::Inteiro, 2});
    c.push_back({QStringLiteral("Vazao02Status"), TipoCampo::Inteiro, 2});
    c.push_back({QStringLiteral("Vazao03Status"), TipoCampo::Inteiro, 2});
    c.push_back({QStringLiteral("NivelConsistencia"), TipoCampo::Inteiro, 2});
    c.push_back({QStringLiteral("SinaisDiarios"), TipoCampo::Texto, kDiasRegistro});
    c.push_back({QStringLiteral("MetodoObtencaoVazoes"), TipoCampo::Inteiro, 2});
    return c;
}

Tabela paraTabela(const SerieTabela& serie) {
    Tabela t(camposSerie());
    t.reservar(serie.tamanho());
    for (const RegistroMensal& r : serie.armazenados()) {
        const qsizetype l = t.acrescentarLinha();
        t.definir(l, kRegistroID, r.registroId);
        t.definir(l, kEstacao, qint64{r.estacaoCodigo});
        t.definir(l, kData, QDateTime(r.data, QTime(0, 0), Qt::UTC));
        t.definir(l, kMedia, r.media());
        for (int d = 0; d < kDiasRegistro; ++d)
            if (const auto& v = r.vazao[static_cast<std::size_t>(d)])
                t.definir(l, kVazao01 + d, *v);
        t.definir(l, kStatus1, qint64{r.vazao01Status});
        t.definir(l, kStatus2, qint64{r.vazao02Status});
        if (r.vazao03Status) t.definir(l, kStatus3, qint64{*r.vazao03Status});
        t.definir(l, kNivel, qint64{r.nivelConsistencia});
        if (std::any_of(r.sinal.begin(), r.sinal.end(),
                        [](SinalDia s) { return s != SinalDia::Desconhecido; })) {
            QString letras(kDiasRegistro, u'?');
            for (int d = 0; d < kDiasRegistro; ++d)
                letras[d] = letraDoSinal(r.sinal[static_cast<std::size_t>(d)]);
            t.definir(l, kSinais, letras);
        }
        if (r.metodoObtencao) t.definir(l, kMetodo, qint64{*r.metodoObtencao});
    }
    return t;
}

SerieTabela deTabela(const Tabela& t) {
    const int cId = t.campo(u"RegistroID");
    const int cEst = t.campo(u"EstacaoCodigo");
    const int cData = t.campo(u"Data");
    std::array<int, kDiasRegistro> cDia{};
    for (int d = 0; d < kDiasRegistro; ++d)
        cDia[static_cast<std::size_t>(d)] = t.campo(nomeDia(d + 1));
    const int cS1 = t.campo(u"Vazao01Status");
    const int cS2 = t.campo(u"Vazao02Status");
    const int cS3 = t.campo(u"Vazao03Status");
    const int cNivel = t.campo(u"NivelConsistencia");
    // Projects written before the days' statuses were kept have neither field.
    const int cSinais = t.indiceCampo(u"SinaisDiarios");
    const int cMetodo = t.indiceCampo(u"MetodoObtencaoVazoes");

    auto curto = [](std::optional<qint64> v) -> std::optional<qint16> {
        if (!v || *v < -32768 || *v > 32767) return std::nullopt;
        return static_cast<qint16>(*v);
    };

    SerieTabela s;
    s.esvaziar();
    s.registros_.reserve(static_cast<std::size_t>(t.linhas()));
    s.ordem_.reserve(static_cast<std::size_t>(t.linhas()));
    for (qsizetype l = 0; l < t.linhas(); ++l) {
        RegistroMensal r;
        const auto data = t.dataHora(l, cData);
        if (!data) throw ErroArquivo(QStringLiteral("Registro %1 sem data").arg(l + 1));
        r.data = QDate(data->date().year(), data->date().month(), 1);
        r.registroId = t.real(l, cId).value_or(0);
        r.estacaoCodigo = static_cast<qint32>(t.inteiro(l, cEst).value_or(0));
        for (int d = 0; d < kDiasRegistro; ++d) {
            auto& v = r.vazao[static_cast<std::size_t>(d)];
            v = t.real(l, cDia[static_cast<std::size_t>(d)]);
            // No import lets an infinite or undefined flow in: the file was damaged or crafted.
            if (v && !std::isfinite(*v))
                throw ErroArquivo(QStringLiteral("Registro %1 com vazão inválida no dia %2")
                                      .arg(l + 1)
                                      .arg(d + 1));
        }
        r.vazao01Status = curto(t.inteiro(l, cS1)).value_or(kConsiderado);
        r.vazao02Status = curto(t.inteiro(l, cS2)).value_or(0);
        r.vazao03Status = curto(t.inteiro(l, cS3));
        r.nivelConsistencia = curto(t.inteiro(l, cNivel)).value_or(0);
        if (cSinais >= 0 && !t.nulo(l, cSinais)) {
            const QString letras = t.texto(l, cSinais);
            for (int d = 0; d < kDiasRegistro && d < letras.size(); ++d)
                r.sinal[static_cast<std::size_t>(d)] = sinalDaLetra(letras[d]);
        }
        if (cMetodo >= 0) r.metodoObtencao = curto(t.inteiro(l, cMetodo));
        s.registros_.push_back(std::move(r));
        s.ordem_.push_back(s.ordem_.size());
    }
    s.indice();
    return s;
}

} // namespace corvel
