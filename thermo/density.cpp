// density
