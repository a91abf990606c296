// Access import: the table Vazoes checked, the station codes listed, one station's rows read at
// both levels and the consisted ones kept (the raw ones when the station has none).
#include "importacaoaccess.h"

#include "core/formato.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace corvel {

namespace {

constexpr qsizetype kPrimeiroDia = 4; // position of Vazao01 among the fields read
// OLE dates count days from 30/12/1899; the fraction is the time of day.
const QDate kOrigemDatas(1899, 12, 30);
// Well beyond any date of a gauging record, and well within QDate.
constexpr double kDiasMaximo = 3'000'000;

QString deTexto(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::optional<double> numero(std::string_view t, const QString& campo) {
    if (t.empty()) return std::nullopt;
    double v = 0;
    if (!mdb::lerNumero(t, v) || !std::isfinite(v))
        throw ErroConversao(
            QStringLiteral("%1 '%2' não é um número válido").arg(campo, deTexto(t)));
    return v;
}

std::optional<qint64> inteiro(std::string_view t, const QString& campo) {
    const std::optional<double> v = numero(t, campo);
    if (!v) return std::nullopt;
    if (*v != std::trunc(*v) || std::abs(*v) > std::numeric_limits<qint32>::max())
        throw ErroConversao(
            QStringLiteral("%1 '%2' não é um número inteiro válido").arg(campo, deTexto(t)));
    return static_cast<qint64>(*v);
}

QDate dataOle(std::string_view t) {
    const std::optional<double> dias = numero(t, QStringLiteral("Data"));
    if (!dias) throw ErroConversao(QStringLiteral("Data vazia"));
    if (std::abs(*dias) > kDiasMaximo)
        throw ErroConversao(QStringLiteral("Data '%1' fora do calendário").arg(deTexto(t)));
    // A negative date counts whole days back and the time forward, so truncating gives the day.
    const QDate dia = kOrigemDatas.addDays(static_cast<qint64>(std::trunc(*dias)));
    if (!anoAceito(dia))
        throw ErroConversao(QStringLiteral("a data %1 está fora do período aceito (%2 a %3)")
                                .arg(formatarData(dia))
                                .arg(kPrimeiroAnoAceito)
                                .arg(kUltimoAnoAceito));
    // A monthly record is keyed by the first day of its month, as the text import keys it.
    return QDate(dia.year(), dia.month(), 1);
}

bool mesmoNome(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Field types the import accepts for each field it reads.
bool tipoAceito(qsizetype posicao, mdb::TipoCampo tipo) {
    if (posicao == 3) return tipo == mdb::TipoCampo::Data;
    return tipo == mdb::TipoCampo::Inteiro || tipo == mdb::TipoCampo::Real;
}

} // namespace

const QStringList& camposLidosVazoes() {
    static const QStringList campos = [] {
        QStringList c{QStringLiteral("RegistroID"), QStringLiteral("EstacaoCodigo"),
                      QStringLiteral("NivelConsistencia"), QStringLiteral("Data")};
        for (int d = 1; d <= kDiasRegistro; ++d)
            c << QStringLiteral("Vazao%1").arg(d, 2, 10, QLatin1Char('0'));
        return c;
    }();
    return campos;
}

const QStringList& camposSinaisVazoes() {
    static const QStringList campos = [] {
        QStringList c{QStringLiteral("MetodoObtencaoVazoes")};
        for (int d = 1; d <= kDiasRegistro; ++d)
            c << QStringLiteral("Vazao%1Status").arg(d, 2, 10, QLatin1Char('0'));
        return c;
    }();
    return campos;
}

EscolhaEstacao escolherEstacao(const std::vector<qint32>& codigos, RespostaEscolha resposta,
                               qsizetype escolhida) {
    if (codigos.empty()) return {};
    if (resposta == RespostaEscolha::Escolhida && escolhida >= 0 &&
        escolhida < static_cast<qsizetype>(codigos.size()))
        return {codigos[static_cast<std::size_t>(escolhida)], {}};
    const qint32 primeiro = codigos.front();
    if (resposta == RespostaEscolha::Cancelada)
        return {primeiro, QStringLiteral("A escolha de estações foi cancelada. A estação \"%1\" "
                                         "será aberta. ")
                              .arg(primeiro)};
    return {primeiro,
            QStringLiteral("A nenhuma estação foi selecionada. A estação \"%1\" será aberta.")
                .arg(primeiro)};
}

QString textoNivelImportado(qint16 nivel) {
    return nivel == 2 ? QStringLiteral("Importados os dados consistidos (nível 2).")
                      : QStringLiteral("A estação não tem dados consistidos: importados os dados "
                                       "brutos (nível 1).");
}

void MontagemEstacao::acrescentar(const std::vector<std::string_view>& v) {
    ++linhas_;
    const auto base = static_cast<std::size_t>(camposLidosVazoes().size());
    if (v.size() != base + (comSinais_ ? static_cast<std::size_t>(camposSinaisVazoes().size()) : 0))
        return;
    // Only a whole level 1 or 2 is read; anything else is another kind of row.
    double nivelLido = 0;
    if (!mdb::lerNumero(v[2], nivelLido) || (nivelLido != 1 && nivelLido != 2)) return;
    MesesDoNivel& destino = nivelLido == 2 ? consistido_ : bruto_;
    try {
        const std::optional<double> id = numero(v[0], QStringLiteral("RegistroID"));
        const QString onde = id ? QStringLiteral("RegistroID %1: ").arg(deTexto(v[0]))
                                : QStringLiteral("linha %1 da estação: ").arg(linhas_);
        try {
            RegistroMensal r = SerieTabela::novoRegistro(static_cast<qint16>(nivelLido));
            r.registroId = id.value_or(0);
            const std::optional<qint64> codigo = inteiro(v[1], QStringLiteral("EstacaoCodigo"));
            if (!codigo || *codigo <= 0)
                throw ErroConversao(
                    QStringLiteral("código de estação inválido: '%1'").arg(deTexto(v[1])));
            r.estacaoCodigo = static_cast<qint32>(*codigo);
            r.data = dataOle(v[3]);
            for (int d = 0; d < kDiasRegistro; ++d)
                r.vazao[static_cast<std::size_t>(d)] =
                    numero(v[static_cast<std::size_t>(kPrimeiroDia + d)],
                           camposLidosVazoes()[kPrimeiroDia + d]);
            if (comSinais_) {
                // A status or method that is not a whole number says nothing of the day.
                double x = 0;
                if (mdb::lerNumero(v[base], x) && x >= 0 && x <= 32767 && x == std::floor(x))
                    r.metodoObtencao = static_cast<qint16>(x);
                for (int d = 0; d < kDiasRegistro; ++d)
                    if (mdb::lerNumero(v[base + 1 + static_cast<std::size_t>(d)], x) &&
                        x == std::floor(x) && std::fabs(x) < 1e9)
                        r.sinal[static_cast<std::size_t>(d)] =
                            sinalDaAgencia(static_cast<long long>(x));
            }
            destino.acrescentar(std::move(r));
        } catch (const ErroConversao& e) {
            throw ErroConversao(onde + e.mensagem());
        }
    } catch (const ErroConversao& e) {
        if (!destino.erro) destino.erro = e;
    }
}

ResultadoImportacao MontagemEstacao::resultado(qint32 codigo, DadosBrutos brutos) {
    ResultadoImportacao r = escolherNivel(bruto_, consistido_, brutos, {});
    if (r.serie.vazia())
        throw ErroBancoAccess(
            QStringLiteral("a estação %1 não tem dados de nível 1 nem 2").arg(codigo));
    return r;
}

BancoVazoes::BancoVazoes(const QString& caminho) : banco_(std::make_unique<BancoAccess>(caminho)) {
    const QStringList tabelas = banco_->tabelas();
    const auto vazoes = std::find_if(tabelas.begin(), tabelas.end(), [](const QString& t) {
        return mesmoNome(t, QStringLiteral("Vazoes"));
    });
    if (vazoes == tabelas.end())
        throw Erro(QString::fromUtf8(kMsgNaoEBancoVazoes), Gravidade::Aviso);
    tabela_ = *vazoes;
    const auto campos = banco_->campos(tabela_);
    if (!campos)
        throw ErroBancoAccess(QStringLiteral("a tabela %1 não pôde ser lida").arg(tabela_));
    const auto campo = [&](const QString& nome) {
        return std::find_if(campos->begin(), campos->end(),
                            [&](const CampoBanco& c) { return mesmoNome(c.nome, nome); });
    };
    if (campo(QStringLiteral("Vazao03Status")) == campos->end())
        throw Erro(QString::fromUtf8(kMsgBancoCorrompido), Gravidade::Aviso);

    const QStringList& lidos = camposLidosVazoes();
    for (qsizetype i = 0; i < lidos.size(); ++i) {
        const auto c = campo(lidos[i]);
        if (c == campos->end())
            throw ErroBancoAccess(
                QStringLiteral("a tabela %1 não tem o campo %2").arg(tabela_, lidos[i]));
        nomes_ << c->nome;
        if (!tipoAceito(i, c->tipo))
            throw ErroBancoAccess(
                QStringLiteral("o campo %1 da tabela %2 não é %3")
                    .arg(c->nome, tabela_,
                         i == 3 ? QStringLiteral("uma data") : QStringLiteral("numérico")));
    }
    // The month's method and the days' statuses, when the table has every one of them.
    QStringList sinais;
    for (const QString& nome : camposSinaisVazoes()) {
        const auto c = campo(nome);
        if (c == campos->end() || !tipoAceito(1, c->tipo)) break; // numeric, as the flows
        sinais << c->nome;
    }
    comSinais_ = sinais.size() == camposSinaisVazoes().size();
    if (comSinais_) nomes_ << sinais;
    // The distinct list is built here: the reader has no SQL, and one scan serves.
    // (The database's own query was "select Distinct(EstacaoCodigo) from vazoes".)
    for (const std::string& t : banco_->distintos(tabela_, nomes_[1])) {
        try {
            if (const auto c = inteiro(t, QStringLiteral("EstacaoCodigo")))
                codigos_.push_back(static_cast<qint32>(*c));
        } catch (const ErroConversao& e) {
            throw ErroBancoAccess(e.mensagem());
        }
    }
    if (codigos_.empty())
        throw ErroBancoAccess(QStringLiteral("a tabela %1 não tem nenhuma estação").arg(tabela_));
    // The list shows the codes in order, as the database's distinct query returns them.
    std::sort(codigos_.begin(), codigos_.end());
}

BancoVazoes::~BancoVazoes() = default;

ResultadoImportacao BancoVazoes::importarEstacao(qint32 codigo, DadosBrutos brutos,
                                                 const Progresso& progresso) {
    // Both levels in one scan; the level is chosen once the station's rows are known.
    MontagemEstacao montagem(comSinais_);
    qint64 lidas = 0;
    banco_->linhas(tabela_, nomes_[1], QString::number(codigo), nomes_,
                   [&](const std::vector<std::string_view>& valores) {
                       montagem.acrescentar(valores);
                       if (progresso) progresso(++lidas);
                   });
    try {
        return montagem.resultado(codigo, brutos);
    } catch (const ErroConversao& e) {
        throw ErroBancoAccess(e.mensagem());
    }
}

} // namespace corvel
