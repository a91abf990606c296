#!/usr/bin/env python3
"""The reference for bench/comparar_resumo: the analyses of `corvel-cli resumo` on one station,
written as a hydrologist would with pandas and numpy, from the station's CSV export.

Usage: resumo_pandas.py estacao.csv   (the 38-column export: ';', decimal comma, Windows-1252)
Prints one summary line: mean flow, Q95, Q90, the lowest annual 7-day minimum, the highest annual
maximum and the storage that regulates 50 % of the mean flow.
"""
import sys

import numpy as np
import pandas as pd


def diarias(arquivo):
    t = pd.read_csv(arquivo, sep=";", decimal=",", encoding="cp1252", index_col=False)
    t = t[t.iloc[:, 4] == 0]  # considered months
    inicio_ano = int(t.iloc[0, 5])
    datas = pd.to_datetime(t.iloc[:, 3], format="%d/%m/%Y")
    dias = t[[f"Vazao{d:02d}" for d in range(1, 32)]].to_numpy(dtype=float)
    serie = []
    for mes, linha in zip(datas, dias):
        n = mes.days_in_month
        serie.append(pd.Series(linha[:n], index=pd.date_range(mes, periods=n, freq="D")))
    return pd.concat(serie), inicio_ano


def ano_hidrologico(indice, inicio):
    return indice.year - (indice.month < inicio)


def regularizacao(q, fracao):
    """Sequent peak: the storage that keeps a constant draft of `fracao` of the mean flow."""
    demanda = fracao * q.mean()
    acumulado = np.concatenate(([0.0], np.cumsum(demanda - q)))
    return float((acumulado - np.minimum.accumulate(acumulado)).max()) * 86400 / 1e6


def main():
    q, inicio = diarias(sys.argv[1])
    ano = ano_hidrologico(q.index, inicio)
    minima7 = q.rolling(7).mean().groupby(ano).min()
    maxima = q.groupby(ano).max()
    medias = q.groupby(ano).mean()
    validas = np.sort(q.dropna().to_numpy())
    n = len(validas)
    permanencia = 100.0 * (n - np.arange(n)) / n
    referencias = {p: float(np.interp(p, permanencia[::-1], validas[::-1])) for p in range(50, 100, 5)}
    volumes = [regularizacao(q.dropna().to_numpy(), k / 20) for k in range(1, 21)]
    print(";".join(f"{v:.4f}" for v in (medias.mean(), referencias[95], referencias[90],
                                         minima7.min(), maxima.max(), volumes[9])))


if __name__ == "__main__":
    main()
