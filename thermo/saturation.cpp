// saturation
