# The densities of gases and vapours.
add_calculator(density)
