// What is known of each day's value: the agency's status of the day, and the two the workbench
// gives (a value typed by the user, a value filled from a neighbouring station); and the flags an
// analysis counts and can leave out, the raw (level 1) months among them.
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>
#include <optional>

namespace corvel {

// A day's status. The agency's codes are those of the layout published with every HidroWeb
// download (Descricao_Arquivos_Dados, repeated in the header of its text files): 0 em branco,
// 1 real, 2 estimado, 3 duvidoso, 4 régua seca, 5 régua coberta, 6 rio seco, 7 rio cortado.
enum class SinalDia : quint8 {
    Desconhecido = 0, // no status known: projects written before, sources without it, code 0
    Real,
    Estimado,
    Duvidoso,
    ReguaSeca,
    ReguaCoberta,
    RioSeco,
    RioCortado,
    Digitado,   // typed in the workbench
    Preenchido, // filled from a neighbouring station
};
inline constexpr int kSinaisDia = 10;

// The status of an agency code (the number of its VazaoNNStatus column); anything else is unknown.
SinalDia sinalDaAgencia(long long codigo);
// The status written in a plain daily file: the agency's code (0 to 7) or the name of the status
// ("estimado", "régua seca", "regua-seca", any case; accents optional). Empty for an empty text or
// code 0; nothing for a text that is neither (the file is refused, not guessed at).
std::optional<SinalDia> lerSinalDoTexto(QStringView texto);

// One letter per status, for the project file: '?', 'R', 'E', 'D', 'S', 'C', 'Z', 'X', 'T', 'P'.
QChar letraDoSinal(SinalDia s);
SinalDia sinalDaLetra(QChar letra); // an unknown letter is Desconhecido
// "desconhecido", "real", "estimado", "duvidoso", "régua seca", "régua coberta", "rio seco",
// "rio cortado", "digitado", "preenchido".
QString nomeDoSinal(SinalDia s);

// The flags an analysis reports on and may leave out: a bit each.
enum Sinalizacao : quint16 {
    kSemSinal = 0,
    kSinalEstimado = 1 << 0,
    kSinalDuvidoso = 1 << 1,
    kSinalReguaSeca = 1 << 2,
    kSinalReguaCoberta = 1 << 3,
    kSinalRioSeco = 1 << 4,
    kSinalRioCortado = 1 << 5,
    kSinalBruto = 1 << 6, // a day of a raw (level 1) month
    kSinalPreenchido = 1 << 7,
    kSinalDigitado = 1 << 8,
};
using Sinalizacoes = quint16;
inline constexpr int kTiposSinalizacao = 9;
// Every flag but "digitado": what "Dias sinalizados" counts by default. A typed value is the
// user's own reading, not a doubt.
inline constexpr Sinalizacoes kSinalizacoesPadrao = kSinalEstimado | kSinalDuvidoso | kSinalReguaSeca |
                                                    kSinalReguaCoberta | kSinalRioSeco | kSinalRioCortado |
                                                    kSinalBruto | kSinalPreenchido;

// The flags of a day of status `s` in a month of consistency level `nivel`.
Sinalizacoes sinalizacoesDoDia(SinalDia s, int nivel);

// The bit of flag i (0 to kTiposSinalizacao − 1), its name in corvel-cli's --excluir-sinalizados
// ("estimado", "duvidoso", "regua-seca", "regua-coberta", "rio-seco", "rio-cortado", "bruto",
// "preenchido", "digitado") and in texts ("estimado", ..., "régua seca", ..., "bruto", ...).
Sinalizacao sinalizacao(int i);
QString chaveDaSinalizacao(int i);
QString nomeDaSinalizacao(int i);
// Parses "estimado,duvidoso,bruto" (the keys, any case); empty when a key is unknown.
std::optional<Sinalizacoes> lerSinalizacoes(QStringView texto);
// "estimado, régua seca" for the flags set.
QString nomesDasSinalizacoes(Sinalizacoes s);

// How many days of each flag, for a table's column and its tooltip.
struct ContagemSinais {
    int dias[kTiposSinalizacao] = {};
    int sinalizados = 0;   // days with at least one flag of kSinalizacoesPadrao
    int desconhecidos = 0; // days whose status is not known

    // A day with the flags `s`; `desconhecido` when nothing is known of its status.
    void contar(Sinalizacoes s, bool desconhecido = false);
    void somar(const ContagemSinais& outra);
    // "2 estimado, 1 régua seca"; empty without any.
    QString descricao() const;
};

// The agency's method of obtaining the month's flows (MetodoObtencaoVazoes, same layout): 1 curva
// de descarga, 2 transferência de vazão, 3 soma de vazões, 4 ADCP; else "desconhecido".
QString nomeDoMetodo(std::optional<qint16> metodo);

} // namespace corvel
