i2cr 1a 00i2cr 1a 01goto xx:
