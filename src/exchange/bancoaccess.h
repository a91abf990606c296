// An Access database read through corvel-mdb, the reader program beside the workbench: libmdb
// crashes or exits on some damaged files, and such a file must cost a message, not the open
// project. Read only; every failure is an ErroBancoAccess.
#pragma once

#include "protocolomdb.h"

#include "core/erros.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

class QProcess;

namespace corvel {

inline constexpr auto kMsgErroAcessarBanco = "Erro ao acessar Banco de dados";

// The database could not be read, or holds what no agency database holds. The window shows the
// message; `causa` says what went wrong, for the command line.
class ErroBancoAccess : public ErroComCausa {
  public:
    explicit ErroBancoAccess(QString causa)
        : ErroComCausa(QString::fromUtf8(kMsgErroAcessarBanco), std::move(causa)) {}
};

struct CampoBanco {
    QString nome;
    mdb::TipoCampo tipo;
};

class BancoAccess {
  public:
    // The reader program; by default corvel-mdb in the program's folder.
    static void definirPrograma(const QString& caminho);

    // Starts the reader on the file.
    explicit BancoAccess(const QString& caminho);
    ~BancoAccess();
    BancoAccess(const BancoAccess&) = delete;
    BancoAccess& operator=(const BancoAccess&) = delete;

    QStringList tabelas();
    // The table's fields in table order; empty when there is no such table.
    std::optional<std::vector<CampoBanco>> campos(const QString& tabela);
    // The distinct non-null values of a number or date field, in table order, as protocol texts.
    std::vector<std::string> distintos(const QString& tabela, const QString& campo);
    // Every row whose `filtro` field has the text `valor`, with the fields asked, as protocol
    // texts (empty = null), in table order.
    void linhas(const QString& tabela, const QString& filtro, const QString& valor,
                const QStringList& pedidos,
                const std::function<void(const std::vector<std::string_view>&)>& linha);

  private:
    std::string perguntar(const QStringList& campos);
    std::string lerLinha();
    void encerrar();

    std::unique_ptr<QProcess> processo_;
};

} // namespace corvel
