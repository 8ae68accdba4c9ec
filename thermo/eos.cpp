// eos
