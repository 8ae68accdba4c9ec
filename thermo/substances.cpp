// substances
