goto end
i2cr 1a 00
