// Compiled with one header forced in front (-include) by the layer checks.
