// inverse
