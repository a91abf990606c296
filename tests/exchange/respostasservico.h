// Answers of the agency's web service as its documentation shows them: flows as elements
// SerieHistorica named like the columns of the daily-flow text file, numbers with a decimal point,
// missing days empty or absent; the station list as a DataSet of Table rows.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <functional>
#include <optional>
#include <vector>

namespace corvel::teste {

struct MesResposta {
    int nivel;
    QDate mes;
    // Flow of day d; empty writes an empty element. Days past the month's end are not written.
    std::function<std::optional<double>(int dia)> vazao;
};

inline QByteArray respostaVazoes(int codigo, const std::vector<MesResposta>& meses) {
    QByteArray x = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
                   "<DataTable xmlns=\"http://MRCS/\">\r\n";
    for (const MesResposta& m : meses) {
        x += "  <SerieHistorica>\r\n    <EstacaoCodigo>" + QByteArray::number(codigo) +
             "</EstacaoCodigo>\r\n    <NivelConsistencia>" + QByteArray::number(m.nivel) +
             "</NivelConsistencia>\r\n    <DataHora>" +
             m.mes.toString(QStringLiteral("yyyy-MM-dd")).toLatin1() +
             " 00:00:00</DataHora>\r\n    <MediaDiaria>1</MediaDiaria>\r\n"
             "    <MetodoObtencaoVazoes>1</MetodoObtencaoVazoes>\r\n"
             "    <Maxima>99.9</Maxima>\r\n    <Media>42.5</Media>\r\n";
        for (int d = 1; d <= m.mes.daysInMonth(); ++d) {
            const QByteArray nome = "Vazao" + QByteArray::number(d).rightJustified(2, '0');
            const std::optional<double> v = m.vazao(d);
            x += "    <" + nome +
                 (v ? '>' + QByteArray::number(*v, 'g', QLocale::FloatingPointShortest) + "</" + nome + '>'
                    : QByteArray(" />")) +
                 "\r\n";
        }
        for (int d = 1; d <= m.mes.daysInMonth(); ++d) {
            const QByteArray nome =
                "Vazao" + QByteArray::number(d).rightJustified(2, '0') + "Status";
            x += "    <" + nome + ">1</" + nome + ">\r\n";
        }
        x += "  </SerieHistorica>\r\n";
    }
    return x + "</DataTable>\r\n";
}

struct EstacaoResposta {
    QByteArray codigo, nome, latitude, longitude;
};

inline QByteArray respostaLista(const std::vector<EstacaoResposta>& estacoes) {
    QByteArray x = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
                   "<DataSet xmlns=\"http://MRCS/\">\r\n"
                   "  <xs:schema id=\"NewDataSet\" xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">"
                   "<xs:element name=\"Table\"/></xs:schema>\r\n"
                   "  <diffgr:diffgram xmlns:msdata=\"urn:schemas-microsoft-com:xml-msdata\" "
                   "xmlns:diffgr=\"urn:schemas-microsoft-com:xml-diffgram-v1\">\r\n"
                   "    <NewDataSet xmlns=\"\">\r\n";
    int n = 0;
    for (const EstacaoResposta& e : estacoes) {
        ++n;
        x += "      <Table diffgr:id=\"Table" + QByteArray::number(n) + "\" msdata:rowOrder=\"" +
             QByteArray::number(n - 1) + "\">\r\n        <Codigo>" + e.codigo +
             "</Codigo>\r\n        <Nome>" + e.nome + "</Nome>\r\n        <Latitude>" + e.latitude +
             "</Latitude>\r\n        <Longitude>" + e.longitude +
             "</Longitude>\r\n      </Table>\r\n";
    }
    return x + "    </NewDataSet>\r\n  </diffgr:diffgram>\r\n</DataSet>\r\n";
}

inline const QByteArray kRespostaRecusa =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<DataTable xmlns=\"http://MRCS/\">\r\n"
    "  <ErrorTable>\r\n    <Error>Nenhum dado encontrado para a estação.</Error>\r\n"
    "  </ErrorTable>\r\n</DataTable>\r\n";

} // namespace corvel::teste
