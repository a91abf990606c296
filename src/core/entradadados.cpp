// The new empty series, the data-entry check and the years added or removed at either end.
#include "entradadados.h"

#include "erros.h"
#include "formato.h"

namespace corvel {

void antesDeSalvar(RegistroMensal& r) {
    for (int d = r.nDias(); d < kDiasRegistro; ++d)
        r.vazao[static_cast<std::size_t>(d)].reset();
    r.vazao01Status = r.validos() == 0 ? kSemDados : kConsiderado;
}

RegistroMensal mesSemDados(QDate mes, double registroId, qint32 estacao, int inicioAnoHidrologico,
                           qint16 nivelConsistencia) {
    RegistroMensal r = SerieTabela::novoRegistro(nivelConsistencia);
    r.registroId = registroId;
    r.estacaoCodigo = estacao;
    r.data = mes;
    r.vazao01Status = kSemDados;
    r.vazao02Status = static_cast<qint16>(inicioAnoHidrologico);
    r.vazao03Status = 0;
    return r;
}

void apagarDadosDoMes(RegistroMensal& r) {
    r.vazao.fill(std::nullopt);
    r.vazao01Status = kSemDados;
}

// ---- the new series

CodigoEstacao limitarCodigoEstacao(const QString& texto) {
    if (texto.size() <= kDigitosEstacao) return {texto, false};
    return {texto.left(kDigitosEstacao), true};
}

std::optional<PeriodoNovaSerie> lerPeriodoNovaSerie(QStringView codigo, QStringView anoInicial,
                                                    QStringView anoFinal) {
    if (codigo.trimmed().isEmpty() || anoInicial.trimmed().isEmpty() ||
        anoFinal.trimmed().isEmpty())
        return std::nullopt;
    const long long estacao = lerInteiro(codigo);
    const long long de = lerInteiro(anoInicial);
    const long long ate = lerInteiro(anoFinal);
    if (estacao < 0 || estacao > 99'999'999) throw Erro(QString::fromUtf8(kMsgCodigoEstacaoGrande));
    // There is no year 0: a period must start in year 1 or later.
    if (de >= ate || de < 1) throw Erro(QString::fromUtf8(kMsgPeriodoTempoInvalido));
    if ((ate - de + 1) * 12 > kMaximoMeses) throw Erro(QString::fromUtf8(kMsgSerieMaior300Anos));
    return PeriodoNovaSerie{static_cast<qint32>(estacao), static_cast<int>(de),
                            static_cast<int>(ate)};
}

SerieTabela criarSerieVazia(const PeriodoNovaSerie& p, qint16 nivelConsistencia) {
    SerieTabela s;
    s.esvaziar();
    double id = 0;
    for (QDate m(p.anoInicial, 1, 1); m.year() <= p.anoFinal; m = m.addMonths(1))
        s.acrescentarProgramatico(mesSemDados(m, ++id, p.estacao, 1, nivelConsistencia));
    s.indice();
    return s;
}

// ---- the years at either end

namespace {

void exigirMeses(const SerieTabela& serie) {
    if (serie.vazia()) throw Erro(QString::fromUtf8(kMsgSerieVaziaSemPeriodo));
}

void exigirLimite(const SerieTabela& serie, long long anos) {
    if (serie.tamanho() + anos * 12 > kMaximoMeses)
        throw Erro(QString::fromUtf8(kMsgSerieMaior300Anos));
}

void avisar(const ProgressoMeses& progresso, qsizetype feitos, qsizetype total) {
    if (progresso) progresso(feitos, total);
}

} // namespace

qsizetype acrescentarAnos(SerieTabela& serie, int anoFinal, int inicioAnoHidrologico,
                          qint16 nivelConsistencia, const ProgressoMeses& progresso) {
    exigirMeses(serie);
    serie.indice();
    const int ultimo = serie[serie.tamanho() - 1].ano();
    if (anoFinal < ultimo) throw Erro(QString::fromUtf8(kMsgAnosPosteriores));
    exigirLimite(serie, static_cast<long long>(anoFinal) - ultimo);

    serie.indiceID();
    const RegistroMensal& maior = serie[serie.tamanho() - 1];
    double id = maior.registroId;
    const qint32 estacao = maior.estacaoCodigo;
    const qsizetype total = static_cast<qsizetype>(anoFinal - ultimo) * 12;
    qsizetype feitos = 0;
    for (QDate m(ultimo + 1, 1, 1); m.year() <= anoFinal; m = m.addMonths(1)) {
        serie.acrescentarProgramatico(
            mesSemDados(m, ++id, estacao, inicioAnoHidrologico, nivelConsistencia));
        avisar(progresso, ++feitos, total);
    }
    serie.indice();
    return feitos;
}

qsizetype inserirAnos(SerieTabela& serie, int anoInicial, int inicioAnoHidrologico,
                      qint16 nivelConsistencia, const ProgressoMeses& progresso) {
    exigirMeses(serie);
    serie.indice();
    const int primeiro = serie[0].ano();
    if (anoInicial > primeiro) throw Erro(QString::fromUtf8(kMsgAnosAnteriores));
    // There is no year 0 to start from; a year that far back passes the limit anyway.
    if (anoInicial < 1) throw Erro(QString::fromUtf8(kMsgSerieMaior300Anos));
    exigirLimite(serie, static_cast<long long>(primeiro) - anoInicial);

    serie.indiceID();
    const RegistroMensal& menor = serie[0];
    double id = menor.registroId;
    const qint32 estacao = menor.estacaoCodigo;
    const qsizetype total = static_cast<qsizetype>(primeiro - anoInicial) * 12;
    qsizetype feitos = 0;
    for (QDate m(anoInicial, 1, 1); m.year() < primeiro; m = m.addMonths(1)) {
        RegistroMensal r = mesSemDados(m, ++id, estacao, inicioAnoHidrologico, nivelConsistencia);
        if (feitos == 0) r.vazao03Status = kRegraInsercao;
        serie.acrescentarProgramatico(std::move(r));
        avisar(progresso, ++feitos, total);
    }
    serie.indice();
    return feitos;
}

namespace {

template <class Excluir>
qsizetype excluir(SerieTabela& serie, const Excluir& sai, const ProgressoMeses& progresso) {
    serie.indice();
    qsizetype total = 0;
    for (qsizetype i = 0; i < serie.tamanho(); ++i)
        total += sai(serie[i].data) ? 1 : 0;
    qsizetype feitos = 0;
    for (qsizetype i = serie.tamanho() - 1; i >= 0; --i) {
        if (!sai(serie[i].data)) continue;
        serie.remover(i);
        avisar(progresso, ++feitos, total);
    }
    return feitos;
}

} // namespace

qsizetype excluirAnosDoFim(SerieTabela& serie, int ano, const ProgressoMeses& progresso) {
    return excluir(
        serie, [ano](QDate d) { return d.year() >= ano; }, progresso);
}

qsizetype excluirAnosDoInicio(SerieTabela& serie, int ano, const ProgressoMeses& progresso) {
    return excluir(
        serie, [ano](QDate d) { return d.year() <= ano; }, progresso);
}

QString perguntaExcluirFim(int ano) {
    return QStringLiteral(" Todo os anos, desde o ano de ") + QString::number(ano) +
           QStringLiteral(" até o ano final, serã excluídos. Após esta operação não mais ") +
           QStringLiteral("será possível recuperar estes dados.") + kQuebraLinha +
           QStringLiteral("Deseja excluí-los?");
}

QString perguntaExcluirInicio(int ano) {
    return QStringLiteral(" Todo os anos, desde o ano inicial até o ano ") + QString::number(ano) +
           QStringLiteral("  serão excluídos. Deseja excluí-los?");
}

QString perguntaApagarMes(const RegistroMensal& r) {
    return QStringLiteral(" Deseja excluir os dados de vazão do mês: ") + u'"' + r.mes() + u'"' +
           QStringLiteral("? ");
}

PedidoAno pedidoAno(ComandoPeriodo comando) {
    switch (comando) {
    case ComandoPeriodo::InserirAntes:
        return {QStringLiteral("Ano Inicial"),
                QStringLiteral("Digite o ano inicial do período a ser acrescentado a série:")};
    case ComandoPeriodo::AcrescentarDepois:
        return {QStringLiteral("Ano final"),
                QStringLiteral("Digite o ano final do período a ser acrescentado a série:")};
    case ComandoPeriodo::ExcluirInicio:
        return {QStringLiteral("Ano Final"),
                QStringLiteral("Digite o ano final do  período a ser excluído.")};
    case ComandoPeriodo::ExcluirFim:
        return {QStringLiteral("Ano inicial"),
                QStringLiteral("Digite o ano de ínicio do  período a ser excluído.")};
    }
    return {};
}

bool teclaDoAno(QChar tecla) {
    return (tecla >= u'0' && tecla <= u'9') || tecla == u'\b';
}

} // namespace corvel
